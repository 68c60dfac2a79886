"""The suites of tests/web.cmake that need a page, run in Chromium: every
test_ program of the build tree that Qt finished for a page (it has a page
of its own beside it)."""
import os
import unittest

import browser
from browser import Browser

BUILT_SUITES = os.path.join(os.environ.get('VORN_WEB_TREE', os.path.join(browser.REPOSITORY, 'build-web')), 'tests')


def page_suites():
    return sorted(name[:-len('.html')] for name in os.listdir(BUILT_SUITES)
                  if name.startswith('test_') and name.endswith('.html'))


class SuitesTest(unittest.TestCase):
    def test_suites_that_need_a_page(self):
        suites = page_suites()
        self.assertIn('test_browser_hold', suites)
        site = browser.program_site(BUILT_SUITES)
        self.addCleanup(site.close)
        for suite in suites:
            with self.subTest(suite):
                opened = Browser()
                try:
                    status, output = browser.run_program(opened.driver, site, suite, 300)
                finally:
                    opened.close()
                self.assertEqual(status, 0, output)


if __name__ == '__main__':
    unittest.main()
