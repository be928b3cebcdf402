# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the one-file page in Debian's headless Chromium through chromedriver, as a
student would: typing into its fields, clicking its buttons, options and menus, answering
its boxes. Opened from file://, offline, with a Russian locale unless told otherwise."""

import json
import os
import shutil
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WINDOW_LABELS = ["lblname", "lblTa1", "lblTa2", "lblmo", "lblmo1", "lblexit", "lblEnterT",
                 "lblEnter", "lblRmax"]


class Page:
    def __init__(self, path, locale="ru-RU", size=(1400, 1000), fragment=""):
        self.folder = tempfile.mkdtemp(prefix="veltrum-page-")
        self.downloads = os.path.join(self.folder, "downloads")
        os.makedirs(self.downloads)
        options = webdriver.ChromeOptions()
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         "--disable-dev-shm-usage", f"--window-size={size[0]},{size[1]}",
                         f"--user-data-dir={os.path.join(self.folder, 'profile')}"]:
            options.add_argument(argument)
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(120)
        self.driver.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": locale})
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})
        self.driver.get("file://" + os.path.abspath(path) + fragment)
        self.wait(lambda: self.js("return document.body.dataset.ready") == "1", 60,
                  "the page's core did not load")

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.folder, ignore_errors=True)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def wait(self, condition, seconds=60, what="a condition"):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if condition():
                return
            time.sleep(0.02)
        raise AssertionError(f"timed out waiting for {what}")

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def console(self):
        return [entry["message"] for entry in self.driver.get_log("browser")]

    def errors(self):
        """What the page reported as errors on its console."""
        return [line for line in self.console() if "SEVERE" in line or "Error" in line]

    # ---- typing and clicking -------------------------------------------------------

    def type(self, name, text):
        field = self.element(name)
        field.click()
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(Keys.DELETE)
        if text:
            field.send_keys(text)

    def option(self, name):
        self.element(name).find_element(By.TAG_NAME, "input").click()
        self.settle()

    def check(self, name):
        self.element(name).find_element(By.TAG_NAME, "input").click()

    def rate(self, index):
        self.js("const s = document.querySelector('#cboFd select'); s.selectedIndex = arguments[0];"
                "s.dispatchEvent(new Event('change'));", index)

    def menu_item(self, name):
        self.element("mnuGraph").click()
        item = self.element(name)
        submenu = self.js("return arguments[0].closest('.submenu')", item)
        ActionChains(self.driver).move_to_element(submenu).perform()
        ActionChains(self.driver).move_to_element(item).click().perform()
        self.settle()

    def settle(self):
        """Waits for the worker to have handled every request sent so far: it answers in
        order, so one more round trip comes back after them."""
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "window.veltrum.call('readout', 0, 0)"
            ".then(() => done(true), () => done(false));")

    def boxes(self):
        return self.driver.find_elements(By.CSS_SELECTOR, '[role="alertdialog"]')

    def answer_box(self):
        """Closes the open message box; its title and text."""
        box = self.boxes()[0]
        seen = {"title": box.find_element(By.CLASS_NAME, "box-title").text,
                "text": self.js("return arguments[0].querySelector('.box-text').textContent", box),
                "icon": "warning" if "warning" in box.get_attribute("class") else "information"}
        box.find_element(By.TAG_NAME, "button").click()
        return seen

    def press(self, button, answer=True):
        """Clicks a block; answers every box the press shows; returns them."""
        self.element(button).click()
        seen = []
        end = time.monotonic() + 120
        while time.monotonic() < end:
            if self.boxes():
                if not answer:
                    return seen
                seen.append(self.answer_box())
                continue
            if self.js("return document.body.dataset.busy") is None and not self.boxes():
                time.sleep(0.03)
                if not self.boxes() and self.js("return document.body.dataset.busy") is None:
                    return seen
            time.sleep(0.02)
        raise AssertionError(f"the press of {button} did not end")

    def labels(self):
        return {name: self.js("return document.getElementById(arguments[0]).textContent", name)
                for name in WINDOW_LABELS}

    def drawing(self):
        return self.js("const p = document.getElementById('PicRes');"
                       "return {calls: Number(p.dataset.calls || 0), digest: p.dataset.digest || ''}")

    def focused(self):
        return self.js("const e = document.activeElement; "
                       "return [e && (e.id || (e.parentElement && e.parentElement.id)), "
                       "e && e.selectionStart, e && e.selectionEnd, e && e.value && e.value.length]")

    def chord(self, key, *modifiers):
        """A key to the focused element, with the modifiers held."""
        chain = ActionChains(self.driver)
        for modifier in modifiers:
            chain = chain.key_down(modifier)
        chain = chain.send_keys(key)
        for modifier in reversed(modifiers):
            chain = chain.key_up(modifier)
        chain.perform()

    def shortcut(self, key, shift=False, within=None):
        target = self.element(within) if within else self.driver.find_element(By.TAG_NAME, "body")
        chain = ActionChains(self.driver).key_down(Keys.CONTROL)
        if shift:
            chain = chain.key_down(Keys.SHIFT)
        chain = chain.send_keys_to_element(target, key)
        if shift:
            chain = chain.key_up(Keys.SHIFT)
        chain.key_up(Keys.CONTROL).perform()

    def drop_file(self, name, text):
        """Drops a file with this text onto the page, as from a file manager."""
        self.js("const data = new DataTransfer();"
                "data.items.add(new File([arguments[1]], arguments[0]));"
                "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true,"
                " cancelable: true}));", name, text)

    def downloaded(self, name, seconds=20):
        path = os.path.join(self.downloads, name)
        self.wait(lambda: os.path.exists(path) and not os.path.exists(path + ".crdownload"),
                  seconds, f"the download {name}")
        time.sleep(0.1)
        with open(path, "rb") as file:
            return file.read()


def control_table(core_js):
    """The control table as the core gives it, read with Node from the same core."""
    script = ("const make = require(process.argv[1]);"
              "Promise.resolve(make()).then(m => m.ready || m).then(m =>"
              " process.stdout.write(JSON.stringify(m.windowDescription())));")
    output = subprocess.run(["node", "-e", script, os.path.abspath(core_js)], check=True,
                            capture_output=True, env=dict(os.environ, NODE_PATH=""))
    return json.loads(output.stdout)
