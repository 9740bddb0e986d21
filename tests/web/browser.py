# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Headless Chromium driven through WebDriver, for the web edition's tests,
benchmarks and screenshot: a fresh profile each time, Italian as the
browser's language, downloads allowed into a folder, and the network off
(the page must need none)."""
import contextlib
import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


@contextlib.contextmanager
def chromium(download_dir=None, window_size=(800, 600), language="it-IT", wait_for_load=True):
    profile = tempfile.mkdtemp(prefix="discordanza-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile, "--lang=" + language,
                 "--window-size=%d,%d" % window_size, "--hide-scrollbars", "--force-device-scale-factor=1"):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    if not wait_for_load:  # commands do not wait for a navigation to finish
        options.page_load_strategy = "none"
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        if download_dir:
            driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": download_dir})
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def page_url(page):
    return "file://" + os.path.abspath(page)


def load(driver, page):
    """Opens the page and waits until its WebAssembly module is ready."""
    driver.get(page_url(page))
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
