#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The one-file page in a real browser (Debian's headless Chromium), from file://: every
control at its place with its caption; the golden presses to the last digit and the last
bit of the picture; a refused field's message, its focus and an unchanged window; a long
press cancelled; the CSV and PNG downloads; the experiment's table; both decimal
separators; the keyboard; the English page (no Russian left, the same numbers and pictures
as the golden presses), its language switch and address, the guide and the tool tips.

Usage: test_page.py PAGE_HTML CORE_JS GOLDEN_JSON"""

import json
import math
import re
import os
import subprocess
import urllib.parse
import struct
import sys
import time
import unittest

from selenium.webdriver.common.by import By

from page_driver import Page, WINDOW_LABELS, control_table

PAGE, CORE, GOLDEN = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)


def set_controls(page, step):
    """What a golden step types, chooses and ticks before its press."""
    for name, text in step.get("type", {}).items():
        page.type(name, text)
    if "rate" in step:
        page.rate(step["rate"])
    if "option" in step:
        page.option(step["option"])
    if "colour" in step:
        page.menu_item(step["colour"])
    if "sideLobes" in step:
        page.check("chkLepestok")
        page.settle()


class PageTest(unittest.TestCase):
    locale = "ru-RU"

    def setUp(self):
        self.page = Page(PAGE, self.locale)

    def tearDown(self):
        errors = self.page.errors()
        self.page.close()
        self.assertEqual(errors, [], "the page reported errors")

    def box_of(self, name):
        return self.page.js(
            "const e = document.getElementById(arguments[0]);"
            "const a = document.getElementById(arguments[1]).getBoundingClientRect();"
            "const b = e.getBoundingClientRect();"
            "return [Math.round(b.left - a.left), Math.round(b.top - a.top),"
            " Math.round(b.width), Math.round(b.height)]", name[0], name[1])


class Controls(PageTest):
    def test_every_control_at_its_place_with_its_caption(self):
        table = control_table(CORE)
        kinds = {"lineedit": "lineedit", "label": "label", "formula": "label", "result": "label",
                 "button": "button", "group": "group", "radio": "radio", "check": "check",
                 "combo": "combo", "widget": "widget"}
        self.assertEqual(self.box_of(("centralwidget", "centralwidget"))[2:], [792, 554])
        for control in table["controls"]:
            with self.subTest(control["name"]):
                element = self.page.element(control["name"])
                self.assertEqual(element.get_attribute("data-kind"), kinds[control["kind"]])
                if control["kind"] not in ("lineedit", "combo") and control["text"]:
                    self.assertEqual(element.get_attribute("data-caption"), control["text"])
                if control["kind"] == "lineedit":
                    self.assertEqual(element.tag_name, "input")
                    self.assertEqual(element.get_attribute("value"), control["text"])
                    self.assertEqual(element.is_enabled(), control["enabled"])
                parent = control["parent"] or "centralwidget"
                x, y, width, height = self.box_of((control["name"], parent))
                self.assertEqual((x, y), (control["x"], control["y"]))
                if control["width"]:
                    self.assertEqual(width, control["width"])
                if control["height"]:
                    self.assertEqual(height, control["height"])
        # The list, the menu and its items, the caption and the clock.
        self.assertEqual(self.page.js("return [...document.querySelectorAll('#cboFd option')]"
                                      ".map(o => o.textContent)"), table["samplingRates"])
        self.assertEqual(self.page.js("return document.querySelector('#cboFd select').value"), "6")
        self.assertEqual(self.page.element("mnuGraph").get_attribute("data-caption"), "&Графика")
        checked = self.page.js("return [...document.querySelectorAll('[aria-checked=true]')].map(e => e.id)")
        self.assertEqual(checked, ["mnuGreenBlue1", "mnuYellow2", "actCourseModel"])
        time.sleep(0.6)
        title = self.page.js("return document.querySelector('title').textContent")
        self.assertRegex(title, r"^Veltrum  \d\d:\d\d:\d\d$")


class GoldenPresses(PageTest):
    def test_the_golden_presses_as_the_desktop_shows_them(self):
        with open(GOLDEN, encoding="utf-8") as file:
            steps = json.load(file)["steps"]
        page = self.page
        presses = 0
        for number, step in enumerate(steps, 1):
            with self.subTest(step=number):
                set_controls(page, step)
                if "press" not in step:
                    continue
                presses += 1
                before_labels, before_drawing = page.labels(), page.drawing()
                seen = page.press(step["press"])
                if "warning" in step:
                    self.assertEqual(len(seen), 1, seen)
                    self.assertEqual(seen[0]["title"], step["warning"]["title"])
                    self.assertEqual(seen[0]["text"], step["warning"]["text"])
                    self.assertEqual(page.labels(), before_labels)
                    self.assertEqual(page.drawing(), before_drawing)
                    focus, start, end, length = page.focused()
                    self.assertEqual(focus, step["warning"]["focus"])
                    self.assertEqual((start, end), (0, length))
                    continue
                filled = [box for box in seen if box["icon"] == "information"]
                self.assertEqual(len(filled), 1 if step["beamFilled"] else 0, seen)
                self.assertEqual(len(seen), len(filled), seen)
                self.assertEqual(page.labels(), step["window"])
                self.assertEqual(page.drawing(), step["drawing"])
        self.assertGreaterEqual(presses, 20)


class Faults(PageTest):
    def test_a_refused_field_changes_nothing_and_takes_the_focus(self):
        page = self.page
        page.press("btnUVF")
        before_labels, before_drawing = page.labels(), page.drawing()
        for name, text, caption in [("txtTprm", "сто", "Т-ра вн.шума, К"),
                                    ("txtdeltaKp", "1 000", "ΔKp/Kp, %"),
                                    ("txtT1", "", "Температура излучения в пределах главного луча (Тягл), К")]:
            with self.subTest(name):
                kept = page.element(name).get_attribute("value")
                page.type(name, text)
                seen = page.press("btnDet")
                self.assertEqual(len(seen), 1)
                self.assertEqual(seen[0]["title"], "Ошибка ввода")
                self.assertIn(f"«{caption}»: «{text}»", seen[0]["text"])
                self.assertEqual(page.labels(), before_labels)
                self.assertEqual(page.drawing(), before_drawing)
                self.assertEqual(page.focused()[0], name)
                page.type(name, kept)
        # The side-lobe box with a β that is not a number: unticked, the fields stay open.
        page.check("chkLepestok")  # β = 0,1 and Tsl = 300: the fields open
        page.settle()
        self.assertEqual(page.boxes(), [])
        page.type("txtBetta", "бета")
        page.check("chkLepestok")  # off
        page.check("chkLepestok")  # on again: β is read
        page.wait(lambda: page.boxes(), 10, "the side lobes' warning")
        seen = page.answer_box()
        self.assertIn("«β»: «бета»", seen["text"])
        self.assertFalse(page.js("return document.querySelector('#chkLepestok input').checked"))
        self.assertTrue(page.element("txtBetta").is_enabled())
        self.assertEqual(page.focused()[0], "txtBetta")

    def test_a_long_press_cancelled_leaves_the_window_as_it_was(self):
        page = self.page
        page.press("btnap")
        before_labels, before_drawing = page.labels(), page.drawing()
        page.type("txtTint", "100000")
        page.element("btnsum").click()
        page.wait(lambda: page.js("return !!document.getElementById('btnCancelPress')"), 30,
                  "the progress box")
        self.assertEqual(page.js("return document.body.dataset.busy"), "1")
        start = time.monotonic()
        page.element("btnCancelPress").click()
        page.wait(lambda: page.js("return document.body.dataset.busy") is None, 5,
                  "the press to stop")
        self.assertLess(time.monotonic() - start, 2)
        self.assertEqual(page.labels(), before_labels)
        self.assertEqual(page.drawing(), before_drawing)
        # The window still presses.
        page.type("txtTint", "2")
        self.assertEqual(page.press("btnsum"), [])
        self.assertEqual(page.labels()["lblEnter"], "203,6")


class Tools(PageTest):
    def test_data_and_picture_downloads(self):
        page = self.page
        page.press("btnUVF")
        page.shortcut("S", shift=True, within="txtKp")  # from a field, too
        data = page.downloaded("veltrum.csv").decode("utf-8")
        self.assertTrue(data.startswith("\ufeffОтсчёт;Значение;Вход\r\n"), data[:40])
        lines = data.split("\r\n")
        self.assertEqual(len(lines), 10002)  # the header, 10000 samples, the last line end
        self.assertRegex(lines[1], r"^1;-?\d+(,\d+)?(E[-+]\d+)?;1$")
        page.shortcut("s")
        picture = page.downloaded("veltrum.png")
        self.assertEqual(picture[:8], b"\x89PNG\r\n\x1a\n")
        width, height = struct.unpack(">II", picture[16:24])
        ratio = page.js("return window.devicePixelRatio")
        self.assertEqual((width, height), (round(649 * ratio), round(249 * ratio)))
        # The readout follows the mouse over the picture.
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(page.driver).move_to_element_with_offset(
            page.element("PicRes"), int(2600 / 10000 * 649 - 324.5), int(124.5 - 124.5)).perform()
        page.wait(lambda: page.js("return !document.getElementById('readout').hidden"), 10,
                  "the readout")
        self.assertIn("отсчёт 26", page.js("return document.getElementById('readout').textContent"))

    def test_the_experiment_fills_its_table(self):
        page = self.page
        page.shortcut("e", within="txtT1")
        page.wait(lambda: page.js("return !document.getElementById('dlgSensitivity').hidden"), 10,
                  "the experiment's window")
        page.js("document.getElementById('cboLargest').selectedIndex = 1")  # 20 ms
        page.type("spnPresses", "3")
        for run in (1, 2):
            page.element("btnStart").click()
            page.wait(lambda: page.js("return !document.getElementById('btnStart').disabled && "
                                      "document.querySelectorAll('#tblSensitivity tbody tr').length"
                                      " === arguments[0]", 4 * run), 60, "the run to end")
        rows = page.js("return [...document.querySelectorAll('#tblSensitivity tbody tr')]"
                       ".map(r => [...r.cells].map(c => c.textContent))")
        self.assertEqual([row[0] for row in rows], ["1"] * 4 + ["2"] * 4)
        self.assertEqual([row[1] for row in rows[:4]], ["2", "5", "10", "20"])
        for row in rows[:4]:
            tau = float(row[1])
            potential = (100 + 304 * 0.9) * 2 * math.sqrt(2) / math.sqrt(1e3 * 900 * tau)
            self.assertEqual(row[4], f"{potential:.6g}".replace(".", ","))
            self.assertLessEqual(len(row[2]), 9)  # six digits, a comma and perhaps a sign
        # The same fields and the same noise: the second run repeats the first.
        self.assertEqual(rows[:4], [["1"] + row[1:] for row in rows[4:]])
        self.assertIn("опыт 2:", page.js("return document.getElementById('lblSlope').textContent"))
        page.element("btnSaveTable").click()
        table = page.downloaded("veltrum-опыт.csv").decode("utf-8")
        self.assertTrue(table.startswith("\ufeffОпыт;Время накопления, мс;"), table[:60])
        self.assertEqual(len(table.strip().split("\r\n")), 9)
        page.element("btnSaveChart").click()
        self.assertEqual(page.downloaded("veltrum-опыт.png")[:4], b"\x89PNG")


class Keyboard(PageTest):
    def test_decimal_comma_and_point_and_the_accelerators(self):
        page = self.page
        for typed in ("304,0", "304.0", " 3,04e2 "):
            with self.subTest(typed):
                page.type("txtT1", typed)
                self.assertEqual(page.press("btnT1"), [])
                self.assertEqual(page.labels()["lblTa1"], "Ta1=303,6")
        # Alt and the underlined letter: «&Модулятор», «А&П».
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        for letter, title in (("м", "Осциллограмма на выходе модулятора"),
                              ("п", "Осциллограмма на выходе антенного переключателя")):
            ActionChains(page.driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()
            page.wait(lambda: page.labels()["lblname"] == title, 10, f"Alt+{letter}")
        # «Выход»: the browser keeps a tab it did not open; the page says so.
        page.element("cmdExit").click()
        page.wait(lambda: page.boxes(), 10, "the exit's box")
        self.assertIn("можно закрыть", page.answer_box()["text"])


class Setups(PageTest):
    def setUp(self):
        with open(os.path.join(os.path.dirname(GOLDEN), "setup.veltrum"), "rb") as file:
            self.shared = file.read()
        self.page = Page(PAGE, self.locale,
                         fragment="#setup=" + urllib.parse.quote(self.shared.decode("utf-8")))

    def test_the_shared_setup_from_the_address_and_back_to_the_byte(self):
        page = self.page
        self.assertEqual(page.boxes(), [])
        self.assertTrue(page.js("return document.querySelector('#optGranica input').checked"))
        self.assertTrue(page.js("return document.querySelector('#chkLepestok input').checked"))
        self.assertEqual(page.element("txtT2").get_attribute("value"), "250,5")
        self.assertEqual(page.js("return document.querySelector('#cboFd select').value"), "3")
        self.assertEqual(page.labels()["lblname"], " ")  # nothing pressed
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        ActionChains(page.driver).key_down(Keys.CONTROL).key_down(Keys.ALT).send_keys("s") \
            .key_up(Keys.ALT).key_up(Keys.CONTROL).perform()
        self.assertEqual(page.downloaded("установка.veltrum"), self.shared)
        # The same press gives the desktop's reading (the setup's seed restarts the noise):
        # the batch mode of the desktop program, in the terminal's C locale (decimal points).
        program = os.environ.get("VELTRUM_PROGRAM")
        if program:
            page.press("btnsum")
            batch = subprocess.run([program, "--batch", "--setup",
                                    os.path.join(os.path.dirname(GOLDEN), "setup.veltrum"),
                                    "--press", "btnsum"], capture_output=True, check=True,
                                   env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"))
            expected = json.loads(batch.stdout)
            shown = page.labels()
            self.assertEqual(expected["title"], shown["lblname"])
            for name, text in expected["labels"].items():
                self.assertEqual(shown[name].replace(",", "."), text)

    def test_a_dropped_setup_and_a_bad_one(self):
        page = self.page
        page.drop_file("минимум.veltrum", '{"format": "veltrum-setup", "version": 1, '
                                          '"fields": {"txtKp": "7"}, "scene": "optCel"}')
        page.wait(lambda: page.element("txtKp").get_attribute("value") == "7", 10, "the setup")
        self.assertTrue(page.element("txtVisota").is_enabled())
        before = [page.element(name).get_attribute("value") for name in ("txtKp", "txtT1", "txtT2")]
        page.drop_file("плохой.veltrum", '{"format": "veltrum-setup", "version": 1, '
                                         '"fields": {"txtKp": 8}}')
        page.wait(lambda: page.boxes(), 10, "the refusal")
        seen = page.answer_box()
        self.assertEqual(seen["title"], "Ошибка установки")
        self.assertIn("«плохой.veltrum»", seen["text"])
        self.assertIn("«fields.txtKp» должно быть: строка", seen["text"])
        self.assertEqual([page.element(name).get_attribute("value")
                          for name in ("txtKp", "txtT1", "txtT2")], before)

    def test_the_report_for_the_printer(self):
        page = self.page
        page.press("btnUVF")
        page.js("window.print = () => { window.printed = (window.printed || 0) + 1; };")
        page.shortcut("p")
        page.wait(lambda: page.js("return window.printed") == 1, 20, "the report")
        report = page.js("return document.getElementById('report').innerText")
        for part in ("Veltrum 1.0.0: отчёт о лабораторной работе", "Т-ра цели 2, К", "250,5",
                     "Осциллограмма на выходе УВЧ", "Начальное число шума", "2026"):
            self.assertIn(part, report)
        self.assertEqual(page.js("return document.querySelectorAll('#report figure img').length"), 1)


class EnglishLocale(PageTest):
    locale = "en-US"

    def test_numbers_take_the_point_and_typing_takes_either(self):
        page = self.page
        page.type("txtT1", "304,0")
        self.assertEqual(page.press("btnsum"), [])
        labels = page.labels()
        self.assertEqual(labels["lblEnter"], "203.6")
        self.assertEqual(labels["lblmo1"], "1.1138599951919")
        page.shortcut("S", shift=True)
        data = page.downloaded("veltrum.csv").decode("utf-8")
        self.assertIn(",", data.split("\r\n")[0])


CYRILLIC = re.compile("[\u0400-\u052f]")


def numbers_of(labels):
    """The numbers of the window's labels: a language changes the words around them only."""
    return {name: re.sub(r"[^0-9,.+\-]", "", text.rsplit("=", 1)[-1])
            for name, text in labels.items() if name != "lblname"}


class Languages(PageTest):
    def setUp(self):
        self.page = Page(PAGE, self.locale, fragment="#lang=en")

    def visible_texts(self):
        """Every text the page shows or offers: the window, its tool tips, the context
        menu, the experiment and the guide (the language switch's names aside)."""
        return self.page.js(
            "window.veltrum.experiment.open(); window.veltrum.help.show();"
            "const texts = [document.getElementById('app').innerText,"
            " document.getElementById('mnuPicture').textContent,"
            " document.getElementById('dlgSensitivity').innerText,"
            " document.getElementById('dlgHelp').innerText, document.title];"
            "for (const e of document.querySelectorAll('[title]')) texts.push(e.title);"
            "for (const e of document.querySelectorAll('#cboFd option, #mnuGraph .item'))"
            " texts.push(e.textContent);"
            "return texts.join('\\n').replace(/Русский/g, '');")

    def test_the_english_page_shows_no_russian_and_the_golden_numbers(self):
        page = self.page
        self.assertEqual(page.js("return document.documentElement.lang"), "en")
        self.assertEqual(page.element("btnsum").get_attribute("data-caption"), "&Summator")
        with open(GOLDEN, encoding="utf-8") as file:
            steps = json.load(file)["steps"]
        warnings, typed = [], set()
        for number, step in enumerate(steps, 1):
            with self.subTest(step=number):
                set_controls(page, step)
                typed |= set(step.get("type", {}).values())
                if "press" not in step:
                    continue
                seen = page.press(step["press"])
                warnings += [box["title"] + " " + box["text"] for box in seen]
                if "warning" in step:
                    continue
                self.assertEqual(numbers_of(page.labels()), numbers_of(step["window"]))
                self.assertEqual(page.drawing(), step["drawing"])
        shown = self.visible_texts() + "\n" + "\n".join(warnings)
        for text in typed:  # what the student typed is quoted as typed
            shown = shown.replace(f"“{text}”", "")
        self.assertGreater(len(shown), 8000)
        self.assertEqual(sorted(set(CYRILLIC.findall(shown))), [],
                         [line for line in shown.splitlines() if CYRILLIC.search(line)][:5])

    def test_the_switch_keeps_the_fields_and_is_remembered(self):
        page = self.page
        page.type("txtT1", "310")
        page.js("const s = document.getElementById('cboLanguage'); s.value = 'ru';"
                "s.dispatchEvent(new Event('change'));")
        page.wait(lambda: page.js("return document.body.dataset.ready === '1' &&"
                                  " document.documentElement.lang === 'ru'"), 60, "Russian")
        self.assertEqual(page.element("txtT1").get_attribute("value"), "310")
        self.assertEqual(page.element("btnsum").get_attribute("data-caption"), "&Сумматор")
        # Remembered: the page without an address opens in the language last switched to.
        for code, caption in (("en", "&Summator"), ("ru", "&Сумматор")):
            page.js("localStorage.setItem('veltrum.language', arguments[0])", code)
            page.driver.get("file://" + os.path.abspath(PAGE))
            page.wait(lambda: page.js("return document.body.dataset.ready") == "1", 60, code)
            self.assertEqual(page.element("btnsum").get_attribute("data-caption"), caption)
        # A language the page does not have: said in a box, and the page in Russian.
        page.driver.get("file://" + os.path.abspath(PAGE) + "#lang=xx")
        page.driver.refresh()  # a new address that differs only after # loads nothing
        page.wait(lambda: page.boxes(), 60, "the unknown language's box")
        self.assertIn("нет языка «xx»; есть: ru, en", page.answer_box()["text"])
        page.wait(lambda: page.js("return document.body.dataset.ready") == "1", 60, "the page")
        self.assertEqual(page.js("return document.documentElement.lang"), "ru")

    def test_the_guide_opens_on_f1_and_its_links_reach_their_headings(self):
        page = self.page
        for button in ("btnT1", "btnT2", "btnmod", "btnap", "btnUVF", "btnDet", "btnF1", "btncap",
                       "btnF2", "btnASP", "btnsum"):
            self.assertGreater(len(page.element(button).get_attribute("title")), 40, button)
        from selenium.webdriver.common.keys import Keys
        page.element("txtT1").send_keys(Keys.F1)
        page.wait(lambda: page.element("dlgHelp").is_displayed(), 10, "the guide")
        links = page.js("return [...document.querySelectorAll('#txtGuide a')].map(a => a.hash)")
        anchors = page.js("return [...document.querySelectorAll('#txtGuide [id]')].map(e => e.id)")
        self.assertGreaterEqual(len(links), 8)
        self.assertEqual([link for link in links if link[1:] not in anchors], [])
        page.driver.find_element(By.CSS_SELECTOR, '#txtGuide a[href="#keyboard"]').click()
        offset = page.js("const g = document.getElementById('txtGuide');"
                         "const h = document.getElementById('keyboard');"
                         "return h.getBoundingClientRect().top - g.getBoundingClientRect().top")
        self.assertTrue(-1 <= offset < 40, offset)
        self.assertTrue(page.js("return location.hash").startswith("#lang=en"))
        self.assertEqual(page.js("return document.querySelector('#actHelp').dataset.caption"), "Help")


# What an element shows, as the shared sequence of actions writes it: [text, enabled,
# checked, list item]; null for a control this edition does not have.
READ_CONTROL = """
const e = document.getElementById(arguments[0]);
if (!e) return null;
const kind = e.dataset.kind;
const input = e.matches('input') ? e : e.querySelector('input, select');
let text = e.textContent;
if (kind === 'lineedit') text = e.value;
else if (kind === 'button' || kind === 'radio' || kind === 'check') text = e.dataset.caption;
else if (kind === 'action') text = e.firstChild.textContent;
else if (kind === 'combo') text = '';
const enabled = kind === 'action' ? !e.classList.contains('disabled') : !(input && input.disabled);
const checked = kind === 'action' ? e.getAttribute('aria-checked') === 'true'
  : Boolean(input && input.tagName === 'INPUT' && input.type !== 'text' && input.checked);
const index = input && input.tagName === 'SELECT' ? input.selectedIndex : -1;
return [text, enabled, checked, index];
"""


class ActionSequence(PageTest):
    def test_the_shared_sequence_shows_what_the_core_says(self):
        """The actions the core and the desktop window replay, done here as a user does
        them; after each, what the page shows against what the core says."""
        with open(os.path.join(os.path.dirname(GOLDEN), "actions.json"), encoding="utf-8") as file:
            sequence = json.load(file)
        page = self.page
        for number, step in enumerate(sequence["steps"], 1):
            verb, name, *rest = step["do"]
            seen = []
            if verb == "type":
                page.type(name, rest[0])
                page.settle()
            elif verb == "check":
                box = page.element(name).find_element(By.TAG_NAME, "input")
                if box.is_selected() != rest[0]:
                    box.click()
                page.settle()
            elif verb == "click":
                page.menu_item(name)
            elif verb == "choose":
                page.rate(rest[0])
                page.settle()
            elif verb == "press":
                seen = page.press(name)
            elif verb == "open":
                page.drop_file(rest[0], name)
                page.settle()
                page.settle()
            if verb != "press":
                page.wait(lambda: bool(page.boxes()) == ("box" in step), 5, f"the box of step {number}")
                while page.boxes():
                    seen.append(page.answer_box())
            with self.subTest(step=number, action=step["do"][:2]):
                expected = dict(sequence["start"], **step["shown"])
                for control, state in expected.items():
                    shown = page.js(READ_CONTROL, control)
                    if shown is not None:
                        self.assertEqual(shown, state, control)
                self.assertEqual([[box["icon"], box["title"], box["text"]] for box in seen],
                                 [step["box"]] if "box" in step else [])
                if step["focus"]:
                    self.assertEqual(page.focused()[0], step["focus"])
                if "digest" in step:
                    self.assertEqual(page.drawing()["digest"], step["digest"])

if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
