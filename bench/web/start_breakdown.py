#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Where the page's start-up time goes, in headless Chromium: a copy of the
built page with marks on the page's clock at each step of its start (the
WebAssembly decompressed and compiled from the page's head on, the module's
script reached after the HTML before it is read, the module instantiated,
the bindings registered by its static constructors, the module handed to
the page, the page's own start done),
opened RUNS times after a warming start; prints the median of each mark and
of each step. The marks go into the module's generated JavaScript by text
substitution; each must match once, or the script stops.
    /usr/bin/python3 start_breakdown.py PAGE [RUNS] [--fresh]"""
import argparse
import os
import statistics
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from browser import chromium, page_url  # noqa: E402


def mark(name):
    return "performance.mark('%s');" % name


# (text, text with its mark), each found exactly once in the built page.
MARKS = [
    ("const discordanzaWasm = ", mark("head script") + "const discordanzaWasm = "),
    ("'application/wasm'}}));\n", "'application/wasm'}}));\ndiscordanzaWasm.then(() => " + mark("compiled")[:-1] + ");\n"),
    ("\nvar createDiscordanza = ", "\n" + mark("module script") + "var createDiscordanza = "),
    ("function receiveInstance(instance,module){", "function receiveInstance(instance,module){" + mark("instantiated")),
    ("callRuntimeCallbacks(__ATINIT__)", mark("registration starts") + "callRuntimeCallbacks(__ATINIT__);" +
     mark("registered")[:-1]),
    ("createDiscordanza({instantiateWasm}).then((module) => {",
     "createDiscordanza({instantiateWasm}).then((module) => {" + mark("page start")),
    ("\n</script>\n</body>", "\n" + mark("page scripts run") + "</script>\n</body>"),
]
STEPS = [("navigation to the head's script", None, "head script"),
         ("the WebAssembly decompressed and compiled, from the head's script on", "head script", "compiled"),
         ("navigation to the module's script (the HTML before it read)", None, "module script"),
         ("the module's script to the page's scripts run", "module script", "page scripts run"),
         ("instantiated, from the page's scripts run", "page scripts run", "instantiated"),
         ("bindings registered (static constructors)", "registration starts", "registered"),
         ("module handed to the page", "registered", "page start"),
         ("the page's own start", "page start", "discordanza-ready")]
READ = """
const at = (name) => { const e = performance.getEntriesByName(name)[0]; return e ? e.startTime : null; };
if (at('discordanza-ready') === null) return null;
const marks = Object.fromEntries(arguments[0].map((name) => [name, at(name)]));
marks['DOMContentLoaded'] = performance.getEntriesByType('navigation')[0].domContentLoadedEventStart;
return marks;
"""
NAMES = ["head script", "compiled", "module script", "page scripts run", "instantiated", "registration starts",
         "registered", "page start", "discordanza-ready"]


def instrumented(page, folder):
    with open(page, encoding="utf-8") as file:
        text = file.read()
    for plain, marked in MARKS:
        if text.count(plain) != 1:
            sys.exit("start_breakdown.py: %r is found %d times in the page" % (plain, text.count(plain)))
        text = text.replace(plain, marked)
    path = os.path.join(folder, os.path.basename(page))
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)
    return path


def one_run(driver, url):
    driver.get("about:blank")
    driver.execute_cdp_cmd("Page.navigate", {"url": url})
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        marks = driver.execute_script(READ, NAMES)
        if marks:
            return marks
        time.sleep(0.05)
    raise RuntimeError("the page was not ready within 10 s")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("page")
    parser.add_argument("runs", nargs="?", type=int, default=9)
    parser.add_argument("--fresh", action="store_true")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        url = page_url(instrumented(args.page, folder))
        if args.fresh:
            runs = []
            for _ in range(args.runs):
                with chromium(wait_for_load=False) as driver:
                    runs.append(one_run(driver, url))
        else:
            with chromium(wait_for_load=False) as driver:
                one_run(driver, url)
                runs = [one_run(driver, url) for _ in range(args.runs)]
    median = lambda name: statistics.median(run[name] for run in runs)  # noqa: E731
    print("the page's start, median of %d runs (%s), ms after navigation:" %
          (args.runs, "a fresh profile each" if args.fresh else "one warmed browser"))
    for name in NAMES + ["DOMContentLoaded"]:
        print("  %-22s %6.1f" % (name, median(name)))
    print("steps:")
    for label, start, end in STEPS:
        step = statistics.median(run[end] - (run[start] if start else 0) for run in runs)
        print("  %6.1f ms  %s" % (step, label))


if __name__ == "__main__":
    main()
