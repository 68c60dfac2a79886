"""The browser build's figures (make bench-web): the download, the load
times, the pace of a whole game's waits and the tab's memory, in Chromium.
Prints one table and writes the figures to build/bench-web.json."""
import gzip
import json
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tests', 'web'))
import browser  # noqa: E402
from browser import Browser, Site  # noqa: E402

LOADS = 3
BUDGETS = {'download_gzip_mb': 8.0, 'first_load_s': 3.0, 'second_load_s': 1.5,
           'wait_error_median_ms': 1.5, 'wait_error_p95_ms': 3.0, 'tab_memory_mb': 200.0}

# Notes every browser timer the page sets with a delay, as the game's waits
# and holds sleep on them: when it was set, for how long, and when it fired.
RECORD_TIMERS = '''
window.vornTimers = [];
const setTimer = window.setTimeout;
window.setTimeout = function (callback, delay, ...rest) {
  if (!(delay >= 1) || typeof callback !== 'function') return setTimer(callback, delay, ...rest);
  const timer = {set: performance.now(), delay, fired: null};
  window.vornTimers.push(timer);
  return setTimer(function () { timer.fired = performance.now(); return callback.apply(this, arguments); }, delay, ...rest);
};
'''


def sizes(site):
    files = {}
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, 'rb') as file:
                data = file.read()
            files[os.path.relpath(path, site)] = {'bytes': len(data), 'gzip': len(gzip.compress(data, 9))}
    return files


def tab_memory_mb():
    """The tab's memory as the browser's task manager counts it (its
    footprint): the private resident memory of the renderer that holds the
    page, the largest of Chromium's renderers, since it is the only page."""
    largest = 0
    for pid in filter(str.isdigit, os.listdir('/proc')):
        try:
            with open(f'/proc/{pid}/cmdline', 'rb') as file:
                if b'--type=renderer' not in file.read():
                    continue
            with open(f'/proc/{pid}/status') as file:
                private = sum(int(line.split()[1]) for line in file if line.startswith(('RssAnon:', 'VmSwap:')))
            largest = max(largest, private)
        except OSError:
            continue
    return largest / 1024


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(fraction * (len(ordered) - 1))))]


def main():
    site = Site()
    figures = {'files': sizes(browser.SITE)}
    figures['download_mb'] = sum(f['bytes'] for f in figures['files'].values()) / 1e6
    figures['download_gzip_mb'] = sum(f['gzip'] for f in figures['files'].values()) / 1e6

    first, second = [], []
    for _ in range(LOADS):
        opened = Browser()
        try:
            first.append(browser.open_game(opened.driver, site.url))
            # The second visit comes once the service worker keeps the site.
            opened.driver.execute_async_script('navigator.serviceWorker.ready.then(() => arguments[0]())')
            second.append(browser.open_game(opened.driver, site.url))
        finally:
            opened.close()
    figures['first_load_s'] = statistics.median(first)
    figures['second_load_s'] = statistics.median(second)

    opened = Browser()
    try:
        driver = opened.driver
        driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': RECORD_TIMERS})
        browser.open_game(driver, site.url)
        driver.execute_script('window.vornTimers.length = 0')
        memory = [tab_memory_mb()]
        browser.click_window(driver, browser.CONTINUE)
        browser.wait_until(driver, browser.game_running, 5, 'the game to start')
        started = time.monotonic()
        while browser.game_running(driver) and time.monotonic() - started < 300:
            memory.append(tab_memory_mb())
            time.sleep(0.25)
        timers = driver.execute_script('return window.vornTimers.filter(t => t.fired !== null)')
        figures['wasm_memory_mb'] = driver.execute_script('return window.vorn.HEAPU8.buffer.byteLength') / 1e6
    finally:
        opened.close()
        site.close()
    errors = [t['fired'] - t['set'] - t['delay'] for t in timers]
    figures['waits'] = len(errors)
    figures['wait_error_median_ms'] = statistics.median(errors)
    figures['wait_error_p95_ms'] = percentile(errors, 0.95)
    figures['tab_memory_mb'] = max(memory)

    print(f"{'figure':40} {'measured':>10} {'budget':>10}")
    for key in ('download_mb', 'download_gzip_mb', 'first_load_s', 'second_load_s', 'waits',
                'wait_error_median_ms', 'wait_error_p95_ms', 'wasm_memory_mb', 'tab_memory_mb'):
        budget = BUDGETS.get(key)
        print(f"{key:40} {figures[key]:10.2f} {'≤ ' + format(budget, 'g') if budget else '':>10}")
    for name, size in sorted(figures['files'].items()):
        print(f"  {name:38} {size['bytes']:10d} {size['gzip']:10d} (gzip -9)")
    output = os.path.join(browser.REPOSITORY, 'build', 'bench-web.json')
    with open(output, 'w') as file:
        json.dump(figures, file, indent=2)
    over = [key for key, budget in BUDGETS.items() if figures[key] > budget]
    print(f"bench-web: figures in {output}; " + (f"over budget: {', '.join(over)}" if over else 'every budget kept'))
    return 1 if over else 0


if __name__ == '__main__':
    sys.exit(main())
