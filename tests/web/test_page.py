"""The page and the game in it, in Chromium: what only the browser has."""
import os
import re
import tempfile
import time
import unittest

from selenium.webdriver.common.by import By

import browser
from browser import Browser, Site

LINE_END = b'\r\n'
DEFAULT_TABLE = b'Mirako\r\n0$\r\n' * 5


def table(*rows):
    return b''.join(name + LINE_END + cash + LINE_END for name, cash in rows)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site()

    @classmethod
    def tearDownClass(cls):
        cls.site.close()

    def browser(self, **options):
        opened = Browser(**options)
        self.addCleanup(opened.close)
        return opened.driver

    def assert_entered(self, after, before, name):
        """after is before with name's result at rank 1, in the bytes the game writes."""
        lines = after.split(LINE_END)
        self.assertEqual(lines[0], name)
        self.assertRegex(lines[1], rb'^\d+\$$')
        self.assertEqual(LINE_END.join(lines[2:]), LINE_END.join(before.split(LINE_END)[:8]) + LINE_END)

    def test_a_whole_game_is_kept_in_the_browser_across_a_reload(self):
        driver = self.browser()
        browser.open_game(driver, self.site.url)
        self.assertEqual(browser.stored_table(driver), DEFAULT_TABLE)
        browser.type_name(driver, 'Ann')
        browser.play_whole_game(driver)
        after = browser.stored_table(driver)
        self.assert_entered(after, DEFAULT_TABLE, b'Ann')
        shown = browser.window_pixels(driver, *browser.TOP_PLAYERS)

        browser.open_game(driver, self.site.url)
        self.assertEqual(browser.stored_table(driver), after)
        self.assertEqual(browser.window_pixels(driver, *browser.TOP_PLAYERS), shown)

    def test_two_tabs_keep_both_results(self):
        driver = self.browser(extra_arguments=('--disable-background-timer-throttling',
                                               '--disable-renderer-backgrounding',
                                               '--disable-backgrounding-occluded-windows'))
        tabs = []
        for name in ('Ann', 'Bob'):
            if tabs:
                driver.switch_to.new_window('window')
            tabs.append(driver.current_window_handle)
            browser.open_game(driver, self.site.url)
            browser.type_name(driver, name)
        for tab in tabs:
            driver.switch_to.window(tab)
            browser.click_window(driver, browser.CONTINUE)
        for tab in tabs:
            driver.switch_to.window(tab)
            browser.wait_until(driver, lambda d: not browser.game_running(d), 120, 'the game to end')
        names = browser.stored_table(driver).split(LINE_END)[0:4:2]
        self.assertCountEqual(names, [b'Ann', b'Bob'])

    def test_closing_asks_during_a_game_and_not_after(self):
        # The browser asks when the page cancels the event; WebDriver itself
        # would answer the question, so the test asks the page.
        leaving_asks = "return !window.dispatchEvent(new Event('beforeunload', {cancelable: true}))"
        driver = self.browser()
        browser.open_game(driver, self.site.url)
        self.assertFalse(driver.execute_script(leaving_asks))
        browser.click_window(driver, browser.CONTINUE)
        browser.wait_until(driver, browser.game_running, 5, 'the game to start')
        self.assertTrue(driver.execute_script(leaving_asks))
        browser.wait_until(driver, lambda d: not browser.game_running(d), 120, 'the game to end')
        self.assertFalse(driver.execute_script(leaving_asks))

    def test_right_click_opens_no_menu(self):
        driver = self.browser()
        browser.open_game(driver, self.site.url)
        driver.execute_script('''window.menus = [];
            document.addEventListener('contextmenu', (event) => window.menus.push(event.defaultPrevented));''')
        for point in (browser.CONTINUE, (60, 400), browser.TITLE):
            browser.click_window(driver, point, button='right')
        self.assertEqual(driver.execute_script('return window.menus'), [True, True, True])

    def test_touch_screens_show_the_whole_window_sharp_and_a_tap_is_a_left_press(self):
        # A tablet shows the window at its own size; a phone held upright
        # scales it down to its width.
        screens = {'tablet': (768, 1024, 2, 1.0), 'phone': (360, 740, 3, 0.76)}
        for screen, (width, height, density, scale) in screens.items():
            with self.subTest(screen):
                driver = self.browser()
                driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                       {'width': width, 'height': height, 'deviceScaleFactor': density, 'mobile': True})
                browser.open_game(driver, self.site.url)
                left, right, shown_width, canvas_density, page_width = driver.execute_script("""
                    const screen = document.getElementById('screen');
                    const shown = screen.getBoundingClientRect();
                    const canvas = screen.firstElementChild.shadowRoot.querySelector('canvas');
                    return [shown.left, shown.right, shown.width, canvas.width / canvas.getBoundingClientRect().width,
                            document.documentElement.scrollWidth];""")
                self.assertAlmostEqual(shown_width, browser.WINDOW_WIDTH * scale, delta=1)
                self.assertGreaterEqual(left, 0)
                self.assertLessEqual(right, width)
                self.assertEqual(page_width, width, 'the page scrolls sideways')
                # Drawn at the screen's own density, so sharp.
                self.assertAlmostEqual(canvas_density, density, delta=0.01)

                driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
                x, y = browser.page_point(driver, browser.CONTINUE)
                point = {'x': x, 'y': y}

                def touch(held):
                    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [point]})
                    time.sleep(held)
                    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})

                # A right press does not press a button.
                touch(0.8)
                time.sleep(0.3)
                self.assertFalse(browser.game_running(driver))
                touch(0.05)
                browser.wait_until(driver, browser.game_running, 5, 'a tap on "Continue" to start the game')

    def test_the_game_plays_offline_after_the_first_visit(self):
        site = Site()
        driver = self.browser()
        browser.open_game(driver, site.url)
        driver.execute_async_script('navigator.serviceWorker.ready.then(() => arguments[0]())')
        site.close()
        browser.open_game(driver, site.url)
        browser.click_window(driver, browser.CONTINUE)
        browser.wait_until(driver, browser.game_running, 5, 'the game to start offline')

    def test_a_page_that_cannot_play_says_why_in_one_line(self):
        cases = {
            # As a browser without WebAssembly: the page finds none.
            'no WebAssembly': ({}, 'delete window.WebAssembly;',
                               'Vorn needs a browser that runs WebAssembly: any current Chrome, Edge, Firefox or Safari does.'),
            'the program missing': ({'/vorn.wasm': os.path.join(browser.SITE, 'no-such-file')}, '',
                                    'Vorn could not be loaded (vorn.wasm: 404 File not found). Reload the page to try again.'),
        }
        for case, (folders, before_page, message) in cases.items():
            with self.subTest(case):
                site = Site(browser.SITE, folders)
                self.addCleanup(site.close)
                driver = self.browser()
                driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': before_page})
                driver.get(site.url)
                failure = driver.find_element(By.ID, 'failure')
                browser.wait_until(driver, lambda d: failure.is_displayed(), 20, 'the page to say why')
                self.assertEqual(failure.text, message)
                self.assertFalse(driver.find_element(By.ID, 'screen').is_displayed())

    def test_storage_refused_costs_the_table_only(self):
        driver = self.browser(refuse_storage=True)
        browser.open_game(driver, self.site.url)
        self.assertIsNone(driver.execute_script('return window.vorn.vornFiles.storage()'))
        before = browser.window_pixels(driver, *browser.TOP_PLAYERS)
        browser.play_whole_game(driver)
        self.assertNotEqual(browser.window_pixels(driver, *browser.TOP_PLAYERS), before)
        driver.find_element(By.ID, 'download').click()
        self.assertEqual(driver.find_element(By.ID, 'table-message').text, 'No table is kept in this browser yet.')

    def test_loading_a_table(self):
        driver = self.browser()
        browser.open_game(driver, self.site.url)
        good = table((b'Bob', b'12$'), (b'\x8aime', b'7$'), (b'Ann', b'3$'), (b'', b''), (b'Mirako', b'0$'))
        not_tables = {
            'empty': b'',
            'text': b'hello\n',
            'lines ending in LF alone': good.replace(LINE_END, b'\n'),
            'nine lines': good[:good.rfind(b'0$')],
            'eleven lines': good + b'x' + LINE_END,
            'a line too long': table((b'n' * 2000, b'1$'), *[(b'a', b'0$')] * 4),
            'too large': b'\r\n' * 40000,
        }
        folder = tempfile.mkdtemp(prefix='vorn-tables-')
        self.addCleanup(lambda: [os.remove(os.path.join(folder, f)) for f in os.listdir(folder)] and None)
        load = driver.find_element(By.ID, 'load')
        message = driver.find_element(By.ID, 'table-message')

        def load_file(name, content):
            path = os.path.join(folder, name)
            with open(path, 'wb') as file:
                file.write(content)
            driver.execute_script("document.getElementById('table-message').textContent = ''")
            load.send_keys(path)
            browser.wait_until(driver, lambda d: message.text, 5, f'the answer to loading {name}')
            return message.text

        before = browser.window_pixels(driver, *browser.TOP_PLAYERS)
        self.assertEqual(load_file('Vorn.nrz', good), 'Loaded the table from Vorn.nrz.')
        self.assertEqual(browser.stored_table(driver), good)
        self.assertNotEqual(browser.window_pixels(driver, *browser.TOP_PLAYERS), before)
        for case, content in not_tables.items():
            with self.subTest(case):
                name = re.sub(r'\W', '-', case) + '.nrz'
                self.assertEqual(load_file(name, content), f'{name} is not a Vorn table; the table was left as it was.')
                self.assertEqual(browser.stored_table(driver), good)

    def test_the_window_shows_the_pictures_of_art_at_both_densities(self):
        # The window's edge cuts the title's right end off and the board's
        # frame its right side, and "Continue" lies over the board's middle,
        # as on the desktop: the rest is compared.
        for scale, suffix in ((1, ''), (2, '@2x')):
            driver = self.browser(extra_arguments=(f'--force-device-scale-factor={scale}',))
            browser.open_game(driver, self.site.url)
            for name, columns, rows in (('title', 190, 65), ('board', 220, 150)):
                with self.subTest(f'{name}{suffix}.png'):
                    found = browser.find_picture(driver, f'{name}{suffix}.png', columns * scale, rows * scale)
                    self.assertIsInstance(found, list)


if __name__ == '__main__':
    unittest.main()
