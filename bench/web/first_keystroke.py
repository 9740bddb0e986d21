#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""From navigation to the first keystroke accepted, in headless Chromium,
for the page and for the floor page (floor.html: one input field), in the
same run. Each page is opened from file:// and the key "7" is pressed (a
real key event through the DevTools protocol) every 5 ms for 1 s from the
moment the navigation starts. The page's own clock (navigation start = 0)
gives the first edit that reached the base amount's field and the moment
its WebAssembly module was ready; a keystroke counts as accepted when both
hold, the later of the two. The two pages take turns, run by run, so that a
busy moment of the machine hits both alike.
    /usr/bin/python3 first_keystroke.py PAGE [RUNS] [--fresh]
With one browser, warmed by a first start of each page, its caches kept
between runs; with --fresh, a new browser with a new profile for every run
(nothing cached: a clerk's first opening). Prints the medians in
milliseconds and the page's ratio to the floor."""
import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "tests", "web"))
from browser import chromium, page_url  # noqa: E402

FLOOR = os.path.join(here, "floor.html")
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
    while time.monotonic() - start < 1.0:
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


def warm_runs(urls, runs):
    results = {url: [] for url in urls}
    with chromium(wait_for_load=False) as driver:
        for url in urls:
            one_run(driver, url)  # the first start warms the browser's caches
        for _ in range(runs):
            for url in urls:
                results[url].append(one_run(driver, url))
    return results


def fresh_runs(urls, runs):
    results = {url: [] for url in urls}
    for _ in range(runs):
        for url in urls:
            with chromium(wait_for_load=False) as driver:
                results[url].append(one_run(driver, url))
    return results


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("page")
    parser.add_argument("runs", nargs="?", type=int, default=7)
    parser.add_argument("--fresh", action="store_true")
    args = parser.parse_args()
    page, floor = page_url(args.page), page_url(FLOOR)
    results = (fresh_runs if args.fresh else warm_runs)([page, floor], args.runs)
    median = lambda url, at: statistics.median(r[at] for r in results[url])  # noqa: E731
    profile = "a fresh profile each run" if args.fresh else "one warmed browser"
    print("first keystroke accepted, median of %d runs, %s:" % (args.runs, profile))
    print("  page   %6.1f ms after navigation (first edit %.1f ms, module ready %.1f ms)" %
          (median(page, 0), median(page, 1), median(page, 2)))
    print("  floor  %6.1f ms (a bare page with one input field)" % median(floor, 0))
    print("  page / floor = %.2f" % (median(page, 0) / median(floor, 0)))
    print("FIRST_KEYSTROKE_MS=%.1f" % median(page, 0))
    print("FLOOR_MS=%.1f" % median(floor, 0))


if __name__ == "__main__":
    main()
