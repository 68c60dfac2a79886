"""The cues played through the real window and sound service in a page, for
tests/audio/real_audio.sh: tests/audio/play_cues.cpp built for the browser
(tests/web.cmake), run in Chromium with a window, which plays into the sound
server and sink that the caller's environment names. Prints what the program
printed; ends with its status."""
import os
import sys

import browser
from browser import Browser

BUILT = os.path.join(os.environ.get('VORN_WEB_TREE', os.path.join(browser.REPOSITORY, 'build-web')), 'tests')


def main():
    site = browser.program_site(BUILT)
    # Headless Chromium plays into no sound server.
    opened = Browser(headless=False)
    try:
        status, output = browser.run_program(opened.driver, site, 'audio_play_cues', 60, sound=True)
    finally:
        opened.close()
        site.close()
    print(output)
    if status != 0:
        print(f'play_cues in the page: {status}', file=sys.stderr)
    return 0 if status == 0 else 1


if __name__ == '__main__':
    sys.exit(main())
