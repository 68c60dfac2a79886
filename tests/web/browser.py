"""The page in a real Chromium, driven through WebDriver with real input.

Shared by the browser tests: a loopback web server for the site (and the
repository's art/, to compare the window's pictures with), a Chromium with a
profile of its own, and the window's places and pixels.
"""
import contextlib
import functools
import http.server
import os
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

REPOSITORY = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
SITE = os.environ.get('VORN_WEB_SITE', os.path.join(REPOSITORY, 'build', 'web'))
TABLE_KEY = 'vorn:/Vorn.nrz'

# Places in the window (448 x 474: the menu bar, then the client area), in
# the window's own pixels from its top left corner: CSS pixels, unless the
# page scaled the window down to a small screen.
WINDOW_WIDTH = 448
CONTINUE = (112, 224)
NAME_BOX = (385, 325)
TOP_PLAYERS = (262, 356, 178, 110)  # x, y, width, height
TITLE = (260, 30)


class Site:
    """The site and art/ (and any other folders under their prefixes) on a
    loopback address, as any static server gives them."""

    def __init__(self, site=SITE, folders=None):
        roots = {'/art/': os.path.join(REPOSITORY, 'art'), **(folders or {})}

        class Handler(http.server.SimpleHTTPRequestHandler):
            def translate_path(self, path):
                for prefix, root in roots.items():
                    if path.startswith(prefix):
                        return os.path.join(root, path[len(prefix):].split('?')[0])
                return super().translate_path(path)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=site))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f'http://127.0.0.1:{self.server.server_port}/'

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One Chromium with a new profile; its windows share the page's storage."""

    def __init__(self, headless=True, refuse_storage=False, extra_arguments=()):
        self.profile = tempfile.mkdtemp(prefix='vorn-chromium-')
        options = Options()
        options.binary_location = shutil.which('chromium') or '/usr/bin/chromium'
        arguments = ['--no-sandbox', '--disable-gpu', '--window-size=1000,900', f'--user-data-dir={self.profile}',
                     '--no-first-run', '--disable-features=Translate', *extra_arguments]
        if headless:
            arguments.append('--headless=new')
        for argument in arguments:
            options.add_argument(argument)
        if refuse_storage:
            # As a browser set to keep no site data: the page's storage throws.
            options.add_experimental_option('prefs', {'profile.default_content_setting_values.cookies': 2})
        # A test answers the page's questions (leaving a game) itself.
        options.set_capability('unhandledPromptBehavior', 'ignore')
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(options=options, service=Service(shutil.which('chromedriver')))
        self.driver.set_script_timeout(30)

    def close(self):
        with contextlib.suppress(Exception):
            self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def console(self):
        return [entry['message'] for entry in self.driver.get_log('browser')]


def program_site(folder):
    """The site, with the programs of a build tree's folder and their runner
    page (suite.html), on a loopback address."""
    return Site(SITE, {'/suites/': folder, '/runner/': os.path.dirname(os.path.abspath(__file__))})


def run_program(driver, site, name, within, sound=False):
    """Runs a program of program_site's folder in the page; returns how it
    ended (0 for success) and what it printed. With sound, a real click on
    the page lets the page start its audio first."""
    driver.get(f'{site.url}runner/suite.html?suite={name}' + ('&sound' if sound else ''))
    if sound:
        wait_until(driver, lambda d: d.execute_script('return window.suite.waiting === true'), 20, f'{name} to load')
        actions = ActionChains(driver)
        actions.w3c_actions.pointer_action.move_to_location(10, 10)
        actions.click().perform()
    status = wait_until(driver, lambda d: d.execute_script(
        'return window.suite.status === null ? false : [window.suite.status]'), within, f'{name} to end')[0]
    return status, '\n'.join(driver.execute_script('return window.suite.output'))


def open_game(driver, url, within=20):
    """Opens the page and waits until the window is shown; returns the seconds it took."""
    start = time.monotonic()
    driver.get(url)
    wait_until(driver, lambda d: d.execute_script(
        "return !document.getElementById('screen').classList.contains('waiting')"
        " || !document.getElementById('failure').hidden"), within, 'the window to be shown')
    failure = driver.execute_script("return document.getElementById('failure').hidden ? '' :"
                                    " document.getElementById('failure').textContent")
    if failure:
        raise AssertionError(f'the page failed: {failure}')
    # The first frame drawn after the window is placed.
    driver.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
    return time.monotonic() - start


def wait_until(driver, condition, within, what):
    try:
        return WebDriverWait(driver, within, poll_frequency=0.05).until(condition)
    except TimeoutException:
        raise AssertionError(f'waited {within} s for {what}') from None


def page_point(driver, point):
    """Where point of the window is in the page's viewport."""
    return driver.execute_script("""
        const rect = document.getElementById('screen').getBoundingClientRect();
        const scale = rect.width / arguments[2];
        return [rect.left + arguments[0] * scale, rect.top + arguments[1] * scale];""", *point, WINDOW_WIDTH)


def click_window(driver, point, button='left'):
    """A real press and release of the mouse at point of the window."""
    x, y = page_point(driver, point)
    actions = ActionChains(driver)
    actions.w3c_actions.pointer_action.move_to_location(round(x), round(y))
    (actions.context_click() if button == 'right' else actions.click()).perform()


def type_name(driver, name):
    click_window(driver, NAME_BOX)
    ActionChains(driver).key_down('\ue009').send_keys('a').key_up('\ue009').send_keys(name).perform()


def stored_table(driver):
    text = driver.execute_script(f"return localStorage.getItem('{TABLE_KEY}')")
    return None if text is None else text.encode('latin-1')


def game_running(driver):
    return bool(driver.execute_script('return window.vorn && window.vorn._vornGameRunning'
                                      ' ? window.vorn._vornGameRunning() : 0'))


def play_whole_game(driver, within=120):
    """Presses "Continue" and, with no other input, waits until the game is over."""
    click_window(driver, CONTINUE)
    wait_until(driver, game_running, 5, 'the game to start')
    wait_until(driver, lambda d: not game_running(d), within, 'the game to end')


def window_pixels(driver, x, y, width, height):
    """The window's drawn pixels in a rectangle of CSS pixels, as RGBA bytes."""
    values = driver.execute_script('''
        const [x, y, width, height] = arguments;
        const host = document.getElementById('screen').firstElementChild;
        const canvas = host.shadowRoot.querySelector('canvas');
        const scale = canvas.width / canvas.getBoundingClientRect().width;
        const data = canvas.getContext('2d').getImageData(Math.round(x * scale), Math.round(y * scale),
            Math.round(width * scale), Math.round(height * scale)).data;
        return Array.from(data);''', x, y, width, height)
    return bytes(values)


def find_picture(driver, name, columns, rows):
    """Where the window shows the top left corner of the picture of art/ (so
    many columns and rows of it) pixel for pixel, as the browser decodes it;
    None where it does not."""
    return driver.execute_async_script('''
        const [name, columns, rows, done] = arguments;
        const host = document.getElementById('screen').firstElementChild;
        const window = host.shadowRoot.querySelector('canvas');
        const shown = window.getContext('2d').getImageData(0, 0, window.width, window.height);
        const image = new Image();
        image.onload = () => {
            const canvas = document.createElement('canvas');
            canvas.width = image.width;
            canvas.height = image.height;
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            const picture = context.getImageData(0, 0, image.width, image.height).data;
            const width = Math.min(columns, image.width);
            const height = Math.min(rows, image.height);
            const matches = (x, y) => {
                for (let row = 0; row < height; ++row) {
                    const from = ((y + row) * shown.width + x) * 4;
                    const at = row * image.width * 4;
                    for (let i = 0; i < width * 4; ++i) {
                        if (shown.data[from + i] !== picture[at + i]) return false;
                    }
                }
                return true;
            };
            for (let y = 0; y + height <= shown.height; ++y) {
                for (let x = 0; x + width <= shown.width; ++x) {
                    if (matches(x, y)) return done([x, y]);
                }
            }
            done(null);
        };
        image.onerror = () => done('no picture ' + name);
        image.src = '/art/' + name;''', name, columns, rows)
