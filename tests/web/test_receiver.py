#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The receiver's model in the page (Debian's headless Chromium, from file://): the picture
menu's «Модель приёмника» with its check items from the core's tool table, by the keyboard
and the pointer, the caption naming the receiver; the calibrated summator, modulated and
total power, giving the desktop batch mode's readings to the last digit; the course
summator after the round trip as before; #receiver= and #switching= in the address, a word
the setup does not know refused; the copied setup link carrying the receiver.

Usage: test_receiver.py PAGE_HTML CORE_JS GOLDEN_JSON (VELTRUM_PROGRAM: the desktop
program, for its batch mode)"""

import json
import math
import os
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse

from selenium.webdriver.common.keys import Keys

from page_driver import Page, control_table

PAGE, CORE, GOLDEN = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
ITEMS = ["actCourseModel", "actCalibratedModel", "actTotalPower"]


def golden_setup():
    with open(os.path.join(os.path.dirname(GOLDEN), "setup.veltrum"), encoding="utf-8") as file:
        return file.read()


def batch(setup_text, *options):
    """The desktop batch mode's summator press of this setup: its title and labels, in the
    terminal's C locale (decimal points)."""
    with tempfile.NamedTemporaryFile("w", suffix=".veltrum", encoding="utf-8", delete=False) as file:
        file.write(setup_text)
    try:
        done = subprocess.run([os.environ["VELTRUM_PROGRAM"], "--batch", "--setup", file.name,
                               "--press", "btnsum", *options], capture_output=True, check=True,
                              env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                                       QT_QPA_PLATFORM="offscreen"))
    finally:
        os.unlink(file.name)
    return json.loads(done.stdout)


def with_fields(setup_text, fields):
    setup = json.loads(setup_text)
    setup["fields"].update(fields)
    return json.dumps(setup, ensure_ascii=False, indent=2)


class ReceiverTest(unittest.TestCase):
    fragment = ""

    def setUp(self):
        self.page = Page(PAGE, fragment=self.fragment)

    def tearDown(self):
        errors = self.page.errors()
        self.page.close()
        self.assertEqual(errors, [], "the page reported errors")

    def key(self, key, *modifiers):
        self.page.chord(key, *modifiers)

    def states(self):
        """Each item's [role, checked, enabled]."""
        return self.page.js(
            "return arguments[0].map(n => { const e = document.getElementById(n);"
            " return [e.getAttribute('role'), e.getAttribute('aria-checked'),"
            " !e.classList.contains('disabled') && e.getAttribute('aria-disabled') !== 'true']; })",
            ITEMS)

    def title(self):
        return self.page.js("return document.querySelector('title').textContent")

    def choose(self, item):
        """The item picked from the picture's menu with the pointer: the menu opened, the
        submenu's entry clicked (as a tap opens it), then the item."""
        page = self.page
        page.js("window.veltrum.tools.openBelow(document.getElementById('PicRes'))")
        page.element("mnuReceiver").click()
        self.assertEqual(page.element("mnuReceiver").get_attribute("aria-expanded"), "true")
        page.element(item).click()
        page.settle()
        self.assertFalse(page.js("return window.veltrum.tools.isOpen()"))

    def shown_labels(self):
        return {name: self.page.js("return document.getElementById(arguments[0]).textContent", name)
                for name in ("lblname", "lblTa1", "lblTa2", "lblmo", "lblmo1", "lblexit",
                             "lblEnterT", "lblEnter")}

    def assert_batch_labels(self, expected):
        shown = self.shown_labels()
        self.assertEqual(shown["lblname"], expected["title"])
        for name, text in expected["labels"].items():
            if name in shown:
                self.assertEqual(shown[name].replace(",", "."), text, name)


class Menu(ReceiverTest):
    def test_the_submenu_holds_the_core_items_with_their_marks(self):
        page = self.page
        table = control_table(CORE)
        tools = [tool for tool in table["tools"] if tool["submenu"] == "mnuReceiver"]
        self.assertEqual([tool["name"] for tool in tools], ITEMS)
        submenu, = [entry for entry in table["toolSubmenus"] if entry["name"] == "mnuReceiver"]
        self.assertEqual(submenu["caption"], "Модель приёмника")
        # Where its first tool stands in the table, between the high contrast and the help.
        entries = page.js("return [...document.querySelectorAll('#mnuPicture > [role]')].map(e => e.id)")
        self.assertEqual(entries[-3:], ["actHighContrast", "mnuReceiver", "actHelp"])
        self.assertEqual(page.js("return [...document.querySelectorAll('#mnuReceiver [role=menu] > *')]"
                                 ".map(e => [e.id, e.firstChild.textContent])"),
                         [[tool["name"], tool["caption"]] for tool in tools])
        entry = page.element("mnuReceiver")
        self.assertEqual([entry.get_attribute(name) for name in ("role", "aria-haspopup", "aria-expanded")],
                         ["menuitem", "menu", "false"])
        self.assertEqual(page.js("return document.querySelector('#mnuReceiver [role=menu]').getAttribute('aria-label')"),
                         "Модель приёмника")
        # The marks the window starts with: the course model, the modulation not to choose.
        self.assertEqual(self.states(), [["menuitemcheckbox", "true", True],
                                         ["menuitemcheckbox", "false", True],
                                         ["menuitemcheckbox", "false", False]])
        self.assertEqual([[tool["checked"], tool["enabled"]] for tool in tools],
                         [[True, True], [False, True], [False, False]])
        time.sleep(0.6)
        self.assertRegex(self.title(), r"^Veltrum  \d\d:\d\d:\d\d$")

    def test_the_keyboard_opens_the_submenu_and_ticks_an_item(self):
        page = self.page
        page.press("btnUVF")
        page.js("document.getElementById('PicRes').focus()")
        self.key(Keys.F10, Keys.SHIFT)
        self.key(Keys.END)
        self.key(Keys.ARROW_UP)
        focused = "return document.activeElement.id"
        self.assertEqual(page.js(focused), "mnuReceiver")
        self.key(Keys.ARROW_RIGHT)
        self.assertEqual(page.element("mnuReceiver").get_attribute("aria-expanded"), "true")
        self.assertEqual(page.js(focused), "actCourseModel")
        self.key(Keys.ARROW_DOWN)
        self.assertEqual(page.js(focused), "actCalibratedModel")
        self.key(Keys.ENTER)
        page.settle()
        self.assertFalse(page.js("return window.veltrum.tools.isOpen()"))
        self.assertEqual(page.js(focused), "PicRes")  # the focus back where the menu opened
        self.assertEqual(self.states(), [["menuitemcheckbox", "false", True],
                                         ["menuitemcheckbox", "true", True],
                                         ["menuitemcheckbox", "false", True]])
        self.assertRegex(self.title(), r"^Veltrum(  \d\d:\d\d:\d\d)? — калиброванная модель$")
        time.sleep(0.6)  # the clock keeps the receiver's name
        self.assertRegex(self.title(), r"^Veltrum  \d\d:\d\d:\d\d — калиброванная модель$")
        # Left and Esc close one level at a time.
        self.key(Keys.F10, Keys.SHIFT)
        self.key(Keys.END)
        self.key(Keys.ARROW_UP)
        self.key(Keys.ENTER)
        self.assertEqual(page.js(focused), "actCourseModel")
        self.key(Keys.ARROW_LEFT)
        self.assertEqual((page.js(focused), page.element("mnuReceiver").get_attribute("aria-expanded")),
                         ("mnuReceiver", "false"))
        self.key(Keys.ESCAPE)
        self.assertFalse(page.js("return window.veltrum.tools.isOpen()"))

    def test_the_pointer_switches_the_modulation_and_back_to_the_course(self):
        page = self.page
        self.choose("actCalibratedModel")
        self.choose("actTotalPower")
        self.assertEqual(self.states(), [["menuitemcheckbox", "false", True],
                                         ["menuitemcheckbox", "true", True],
                                         ["menuitemcheckbox", "true", True]])
        self.assertTrue(self.title().endswith(" — калиброванная модель, полная мощность"), self.title())
        setup = json.loads(page.js("return window.veltrum.call('setupText')"))
        self.assertEqual((setup["receiver"], setup["switching"]), ("calibrated", "total-power"))
        # The course model: its mark, no receiver in the caption nor in the setup.
        self.choose("actCourseModel")
        self.assertEqual(self.states(), [["menuitemcheckbox", "true", True],
                                         ["menuitemcheckbox", "false", True],
                                         ["menuitemcheckbox", "true", False]])
        self.assertNotIn("—", self.title())
        setup = json.loads(page.js("return window.veltrum.call('setupText')"))
        self.assertNotIn("receiver", setup)
        # A disabled item does nothing.
        self.choose("actTotalPower")
        self.assertEqual(self.states()[2], ["menuitemcheckbox", "true", False])
        self.assertNotIn("—", self.title())


@unittest.skipUnless(os.environ.get("VELTRUM_PROGRAM"), "the desktop program (VELTRUM_PROGRAM)")
class SummatorAsTheBatchMode(ReceiverTest):
    def open_setup(self, text):
        self.page.drop_file("установка.veltrum", text)
        self.page.settle()
        self.assertEqual(self.page.boxes(), [])

    def test_the_calibrated_summator_gives_the_batch_mode_readings(self):
        page = self.page
        shared = golden_setup()
        cases = [
            ("modulated", {}),
            ("total-power", {}),
            # A narrow band (the gamma law of the detector's samples), a gain drift.
            ("modulated", {"txtdeltaf": "1", "txtdeltaKp": "1", "txtTint": "60"}),
            ("total-power", {"txtdeltaf": "0,5", "txtdeltaKp": "1", "txtn": "8"}),
        ]
        self.choose("actCalibratedModel")
        for switching, fields in cases:
            with self.subTest(switching=switching, fields=fields):
                text = with_fields(shared, fields)
                expected = batch(text, "--receiver", "calibrated", "--switching", switching)
                self.assertNotEqual(expected["labels"], batch(text)["labels"])  # not the course's
                self.open_setup(text)  # its seed restarts the noise
                total = page.element("actTotalPower").get_attribute("aria-checked") == "true"
                if total != (switching == "total-power"):
                    self.choose("actTotalPower")
                self.assertEqual(page.press("btnsum"), [])
                self.assert_batch_labels(expected)

    def test_the_course_summator_after_the_round_trip_is_the_course_one(self):
        page = self.page
        shared = golden_setup()
        expected = batch(shared)
        self.choose("actCalibratedModel")
        self.choose("actTotalPower")
        self.choose("actCourseModel")
        self.open_setup(shared)
        self.assertEqual(page.press("btnsum"), [])
        self.assert_batch_labels(expected)
        self.assertNotEqual(batch(shared, "--receiver", "calibrated")["labels"], expected["labels"])


class AddressCalibrated(ReceiverTest):
    fragment = "#receiver=calibrated"

    def test_the_address_chooses_the_receiver_and_the_link_carries_it(self):
        page = self.page
        self.assertEqual(page.boxes(), [])
        self.assertEqual([state[1:] for state in self.states()], [["false", True], ["true", True], ["false", True]])
        self.assertTrue(self.title().endswith(" — калиброванная модель"), self.title())
        self.choose("actTotalPower")
        # The copied link: the page's address with the setup, which names the receiver.
        page.js("window.copied = []; navigator.clipboard.writeText = (text) =>"
                " { window.copied.push(text); return Promise.resolve(); };")
        self.key("c", Keys.CONTROL, Keys.ALT)
        page.wait(lambda: page.boxes(), 10, "the link's box")
        page.answer_box()
        link, = page.js("return window.copied")
        address, _, fragment = link.partition("#")
        self.assertTrue(fragment.startswith("setup="), fragment[:40])
        setup = json.loads(urllib.parse.unquote(fragment[len("setup="):]))
        self.assertEqual((setup["receiver"], setup["switching"]), ("calibrated", "total-power"))
        # Opened, the link gives the same receiver (the address's own words no longer there).
        page.driver.get(link)
        page.driver.refresh()
        page.wait(lambda: page.js("return document.body.dataset.ready") == "1", 60, "the link's page")
        self.assertEqual([state[1] for state in self.states()], ["false", "true", "true"])
        self.assertEqual(json.loads(page.js("return window.veltrum.call('setupText')")), setup)


class AddressTotalPowerOverTheSetup(ReceiverTest):
    # The address's words outweigh its setup's, as the command line outweighs a setup.
    fragment = ("#receiver=calibrated&switching=total-power&setup=" +
                urllib.parse.quote('{"format": "veltrum-setup", "version": 1, "fields": {"txtKp": "7"},'
                                   ' "receiver": "course", "switching": "modulated"}'))

    def test_both_words_and_the_setup(self):
        page = self.page
        self.assertEqual(page.boxes(), [])
        self.assertEqual(page.element("txtKp").get_attribute("value"), "7")
        self.assertEqual([state[1:] for state in self.states()], [["false", True], ["true", True], ["true", True]])
        self.assertTrue(self.title().endswith(" — калиброванная модель, полная мощность"), self.title())


class AddressUnknownWord(unittest.TestCase):
    def test_a_word_the_setup_does_not_know_is_refused(self):
        page = Page(PAGE)
        try:
            # The box stands before the page is ready: the address opened in a loaded page.
            page.driver.get("file://" + os.path.abspath(PAGE) + "#receiver=exact")
            page.driver.refresh()
            page.wait(lambda: page.boxes(), 60, "the refusal")
            seen = page.answer_box()
            page.wait(lambda: page.js("return document.body.dataset.ready") == "1", 60, "the page")
            self.assertEqual(seen["title"], "Ошибка установки")
            self.assertIn("«адрес страницы»", seen["text"])
            self.assertIn("«receiver»", seen["text"])
            self.assertIn("«exact»", seen["text"])
            self.assertEqual(page.element("actCourseModel").get_attribute("aria-checked"), "true")
            self.assertNotIn("—", page.js("return document.querySelector('title').textContent"))
        finally:
            page.close()


class SwitchingExperiment(ReceiverTest):
    def test_one_start_runs_the_modulated_and_the_total_power_receiver(self):
        page = self.page
        page.shortcut("e", within="txtT1")
        page.wait(lambda: page.js("return !document.getElementById('dlgSensitivity').hidden"), 10,
                  "the experiment's window")
        kinds = page.js("return [...document.getElementById('cboExperiment').options]"
                        ".map(o => o.textContent)")
        self.assertEqual(kinds, ["Чувствительность и время накопления",
                                 "Модуляция и полная мощность"])
        page.js("document.getElementById('cboExperiment').selectedIndex = 1")
        page.js("document.getElementById('cboLargest').selectedIndex = 1")  # 20 ms
        page.type("spnPresses", "3")
        page.element("btnStart").click()
        page.wait(lambda: page.js("return !document.getElementById('btnStart').disabled && "
                                  "document.querySelectorAll('#tblSensitivity tbody tr').length"
                                  " === 8"), 60, "both runs to end")
        rows = page.js("return [...document.querySelectorAll('#tblSensitivity tbody tr')]"
                       ".map(r => [...r.cells].map(c => c.textContent))")
        self.assertEqual([row[0] for row in rows], ["1"] * 4 + ["2"] * 4)
        # Without drift the total-power receiver is the more sensitive: (Ta1 + Tprm) against
        # √(2(Ta1 + Tprm)² + 2(Ta2 + Tprm)²) of the modulated one, at every time.
        number = lambda text: float(text.replace(",", "."))
        for modulated, total_power in zip(rows[:4], rows[4:]):
            ratio = number(total_power[4]) / number(modulated[4])
            expected = 403.6 / math.sqrt(2 * 403.6 ** 2 + 2 * 200 ** 2)
            self.assertAlmostEqual(ratio, expected, delta=0.01)
        legend = page.js("return document.getElementById('dlgSensitivity').textContent")
        self.assertNotIn("Error", legend)
        self.assertNotIn("—", self.title())  # the window's own receiver stays the course's


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
