#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Opens the built page in headless Chromium, types the worked example
2767605, 97, 5738745 into the three input fields with real key presses and
saves a picture of the page for the README:
    /usr/bin/python3 web/screenshot.py [--page PAGE] [--output OUTPUT.png]
With --views FOLDER it saves instead, for looking the page over, the same
example at 1920 x 1080, at 512 x 384 and 320 x 256 (a 1024 x 768 screen at
200 % and 400 % zoom, scrolled to the top), the About window and the error
box at each of those sizes, the page at start and with the award check's
section open and filled with its first worked example at each size (the
whole page, however tall), and the printed reports (print media, A4 width)
for both examples."""
import argparse
import base64
import os
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(root, "tests", "web"))
from browser import chromium, load  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

EXAMPLE = (("baseAmountEdit", "2767605"), ("discountEdit", "97"), ("contractorTotalEdit", "5738745"))
SIZES = ((1920, 1080), (512, 384), (320, 256))
# The award check's first worked example: A, P, C, then S in the section.
AWARD_EXAMPLE = (("baseAmountEdit", "1000000"), ("discountEdit", "12,345"), ("contractorTotalEdit", "880253,50"))
AWARD_SAFETY_COSTS = "30000"


def open_page(driver, page, width, height, example=EXAMPLE):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
    load(driver, page)
    for identifier, text in example:
        driver.find_element(By.ID, identifier).send_keys(text)


def open_award(driver, page, width, height):
    open_page(driver, page, width, height, AWARD_EXAMPLE)
    driver.find_element(By.ID, "awardSummary").send_keys(Keys.ENTER)
    driver.find_element(By.ID, "safetyCostsEdit").send_keys(AWARD_SAFETY_COSTS)


def save(driver, path):
    driver.save_screenshot(path)
    print("saved " + path)


def save_whole(driver, path):
    """The whole page, beyond the viewport's height."""
    width, height = driver.execute_script(
        "return [document.documentElement.scrollWidth, document.documentElement.scrollHeight]")
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
        "captureBeyondViewport": True, "clip": {"x": 0, "y": 0, "width": width, "height": height, "scale": 1}})
    with open(path, "wb") as file:
        file.write(base64.b64decode(shot["data"]))
    print("saved " + path)


def paste(driver, identifier, text):
    driver.execute_cdp_cmd("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    driver.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)
    field = driver.find_element(By.ID, identifier)
    field.send_keys(Keys.CONTROL, "a")
    field.send_keys(Keys.CONTROL, "v")


def views(driver, page, folder):
    os.makedirs(folder, exist_ok=True)
    for width, height in SIZES:
        name = os.path.join(folder, "web-%dx%d" % (width, height))
        open_page(driver, page, width, height, ())
        save(driver, name + "-start.png")
        open_award(driver, page, width, height)
        save_whole(driver, name + "-award.png")
        open_page(driver, page, width, height)
        save(driver, name + ".png")
        driver.find_element(By.ID, "aboutButton").click()
        save(driver, name + "-about.png")
        driver.find_element(By.ID, "closeButton").click()
        paste(driver, "baseAmountEdit", "9" * 100000)  # an amount beyond the arithmetic
        save(driver, name + "-error.png")
        driver.find_element(By.ID, "errorOkButton").send_keys(Keys.ENTER)
    # A4 at 96 pixels an inch: 794 pixels wide.
    open_page(driver, page, 794, 1123)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    save(driver, os.path.join(folder, "web-print.png"))
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    open_award(driver, page, 794, 1123)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    save_whole(driver, os.path.join(folder, "web-print-award.png"))
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", default=os.path.join(root, "build-web", "web", "discordanza.html"))
    parser.add_argument("--output", default=os.path.join(root, "docs", "web-edition.png"))
    parser.add_argument("--views", metavar="FOLDER")
    args = parser.parse_args()
    with chromium() as driver:
        if args.views:
            views(driver, args.page, args.views)
        else:
            open_page(driver, args.page, 420, 270)
            save(driver, args.output)


if __name__ == "__main__":
    main()
