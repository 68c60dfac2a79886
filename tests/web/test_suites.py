"""The suites of tests/web.cmake that need a page, run in Chromium."""
import os
import unittest

import browser
from browser import Browser, Site

BUILT_SUITES = os.path.join(os.environ.get('VORN_WEB_TREE', os.path.join(browser.REPOSITORY, 'build-web')), 'tests')


class SuitesTest(unittest.TestCase):
    def test_suites_that_need_a_page(self):
        site = Site(browser.SITE, {'/suites/': BUILT_SUITES, '/runner/': os.path.dirname(__file__)})
        self.addCleanup(site.close)
        for suite in ('test_browser_hold',):
            with self.subTest(suite):
                opened = Browser()
                self.addCleanup(opened.close)
                driver = opened.driver
                driver.get(f'{site.url}runner/suite.html?suite={suite}')
                status = browser.wait_until(driver, lambda d: d.execute_script(
                    'return window.suite.status === null ? false : [window.suite.status]'), 120, f'{suite} to end')[0]
                output = '\n'.join(driver.execute_script('return window.suite.output'))
                self.assertEqual(status, 0, output)


if __name__ == '__main__':
    unittest.main()
