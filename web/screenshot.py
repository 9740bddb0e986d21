#!/usr/bin/python3
"""Opens the built page in headless Chromium, types the worked example
2767605, 97, 5738745 into the three input fields with real key presses and
saves a picture of the page for the README.
    /usr/bin/python3 web/screenshot.py [PAGE] [OUTPUT.png]"""
import os
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(root, "tests", "web"))
from browser import chromium, load  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402


def main():
    page = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build-web", "web", "discordanza.html")
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "docs", "web-edition.png")
    with chromium() as driver:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 420, "height": 270, "deviceScaleFactor": 1, "mobile": False})
        load(driver, page)
        for identifier, text in (("Edit1", "2767605"), ("Edit2", "97"), ("Edit3", "5738745")):
            driver.find_element(By.ID, identifier).send_keys(text)
        driver.save_screenshot(output)
    print("saved " + output)


if __name__ == "__main__":
    main()
