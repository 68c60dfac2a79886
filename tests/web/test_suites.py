"""The suites of tests/web.cmake that need a page, run in Chromium."""
import os
import unittest

import browser
from browser import Browser

BUILT_SUITES = os.path.join(os.environ.get('VORN_WEB_TREE', os.path.join(browser.REPOSITORY, 'build-web')), 'tests')


class SuitesTest(unittest.TestCase):
    def test_suites_that_need_a_page(self):
        site = browser.program_site(BUILT_SUITES)
        self.addCleanup(site.close)
        for suite in ('test_browser_hold',):
            with self.subTest(suite):
                opened = Browser()
                self.addCleanup(opened.close)
                status, output = browser.run_program(opened.driver, site, suite, 120)
                self.assertEqual(status, 0, output)


if __name__ == '__main__':
    unittest.main()
