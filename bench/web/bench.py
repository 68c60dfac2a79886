"""The browser build's figures (make bench-web): the download, the load
times, the pace of the fall steps and collapse frames, and the tab's memory
over a whole game, in Chromium. Prints one table and writes the figures to
build/bench-web.json."""
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
PACE_LEVELS = ('1', '5', '10')
BUDGETS = {'download_gzip_mb': 8.0, 'first_load_s': 3.0, 'second_load_s': 1.5, 'tab_memory_mb': 200.0,
           'frame_error_ms.median': 1.5, 'frame_error_ms.p95': 3.0,
           **{f'pace_ms.{level}.{kind}': budget for level in PACE_LEVELS
              for kind, budget in (('median', 1.5), ('p95', 3.0))}}
# The pace benchmark of the desktop's, built for the page (bench/web/).
BENCH_PROGRAMS = os.path.join(os.environ.get('VORN_WEB_TREE', os.path.join(browser.REPOSITORY, 'build-web')),
                              'bench', 'web')


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
        browser.open_game(driver, site.url)
        memory = [tab_memory_mb()]
        browser.click_window(driver, browser.CONTINUE)
        browser.wait_until(driver, browser.game_running, 5, 'the game to start')
        started = time.monotonic()
        while browser.game_running(driver) and time.monotonic() - started < 300:
            memory.append(tab_memory_mb())
            time.sleep(0.25)
        figures['wasm_memory_mb'] = driver.execute_script('return window.vorn.HEAPU8.buffer.byteLength') / 1e6
    finally:
        opened.close()
        site.close()
    figures['tab_memory_mb'] = max(memory)

    # The real window on the page's clock and timers, as the desktop's pace is measured.
    programs = browser.program_site(BENCH_PROGRAMS)
    opened = Browser()
    try:
        status, output = browser.run_program(opened.driver, programs, 'bench_pace', 600)
    finally:
        opened.close()
        programs.close()
    if status != 0:
        print(output, file=sys.stderr)
        raise SystemExit(f'bench-web: the pace benchmark ended with {status}')
    for line in output.splitlines():
        key, _, value = line.partition(' ')
        if key.startswith(('pace_ms.', 'frame_error_ms.')):
            figures[key] = float(value)

    print(f"{'figure':40} {'measured':>10} {'budget':>10}")
    for key in ('download_mb', 'download_gzip_mb', 'first_load_s', 'second_load_s', 'wasm_memory_mb',
                'tab_memory_mb', *(f'pace_ms.{level}.{kind}' for level in PACE_LEVELS for kind in ('median', 'p95')),
                'frame_error_ms.median', 'frame_error_ms.p95'):
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
