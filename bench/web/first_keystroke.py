#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""From navigation to the first keystroke accepted, in headless Chromium:
the page is opened from file:// and the key "7" is pressed (a real key
event through the DevTools protocol) every 5 ms for 0.4 s from the moment
the navigation starts. The page's own clock (navigation start = 0) gives the
first edit that reached the base amount's field and the moment its WebAssembly module was
ready; a keystroke counts as accepted when both hold, the later of the two.
Prints the median of RUNS runs, in milliseconds.
    /usr/bin/python3 first_keystroke.py PAGE [RUNS]"""
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from browser import chromium, page_url  # noqa: E402

KEY = {"key": "7", "code": "Digit7", "windowsVirtualKeyCode": 55, "nativeVirtualKeyCode": 55}
MARKS = """
const mark = (name) => performance.getEntriesByName(name)[0];
const edit = mark('discordanza-first-edit'), ready = mark('discordanza-ready');
return edit && ready ? [edit.startTime, ready.startTime, document.getElementById('baseAmountEdit').value] : null;
"""


def one_run(driver, url):
    driver.get("about:blank")
    driver.execute_cdp_cmd("Page.navigate", {"url": url})
    # Keys only while the page loads, one every 5 ms (faster than any key
    # repeat): asking the page anything meanwhile, or flooding it with
    # events, would take its main thread's time.
    start = time.monotonic()
    while time.monotonic() - start < 0.4:
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(KEY, type="keyDown", text="7"))
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(KEY, type="keyUp"))
        time.sleep(0.005)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        marks = driver.execute_script(MARKS)
        if marks:
            edit, ready, text = marks
            assert text and set(text) == {"7"}, text
            return max(edit, ready), edit, ready
        time.sleep(0.05)
    raise RuntimeError("no keystroke was accepted within 10 s")


def main():
    page = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    with chromium(wait_for_load=False) as driver:
        one_run(driver, page_url(page))  # the first start warms the browser's caches
        results = [one_run(driver, page_url(page)) for _ in range(runs)]
    accepted = statistics.median(r[0] for r in results)
    print("first keystroke accepted: %.1f ms after navigation (median of %d; first edit %.1f ms, module ready "
          "%.1f ms)" % (accepted, runs, statistics.median(r[1] for r in results),
                        statistics.median(r[2] for r in results)))
    print("FIRST_KEYSTROKE_MS=%.1f" % accepted)


if __name__ == "__main__":
    main()
