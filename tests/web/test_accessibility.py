#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page for every student, in Debian's headless Chromium: axe-core finds no critical or
serious fault in either language, at a desktop's and a phone's width, in either look, with
the window as it starts, after a press, with the picture's menu, the experiment and the
guide open; a lab session with the keyboard alone, the tools included; a session by touch
(a long press opens the picture's menu, a tap opens a submenu, a held finger reads the
picture); one column without sideways scrolling at 320 and 390 CSS pixels (and at 200 % and
400 % zoom), with text of 12 px and more, that wider text spacing does not clip; the
high-contrast look from the address and the switch; readings that show all their digits.

axe-core comes from npm at the version scripts/common.sh pins (MPL-2.0, used here only),
at $VELTRUM_AXE or build/npm/node_modules/axe-core/axe.min.js.

Usage: test_accessibility.py PAGE_HTML CORE_JS GOLDEN_JSON [TestName]"""

import os
import sys
import time
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Page, control_table

PAGE, CORE, GOLDEN = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
AXE = os.environ.get("VELTRUM_AXE") or os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "npm", "node_modules",
    "axe-core", "axe.min.js")

# The captions the window draws in its own red on its grey, below 4.5:1 in the window's
# look, as it is described; the high-contrast look darkens them.
WINDOW_RED_CAPTIONS = {"#lblname", "#Label19", "#Label15", "#Label10"}


def open_page(width, fragment="", touch=False):
    page = Page(PAGE, fragment=fragment, size=(max(width, 800), 900))
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": 844, "deviceScaleFactor": 1, "mobile": width < 800})
    if touch:
        page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": True, "maxTouchPoints": 5})
    page.wait(lambda: page.js("return innerWidth") == width, 10, f"a page {width} px wide")
    return page


class AccessibilityTest(unittest.TestCase):
    width, fragment, touch = 1280, "", False

    def setUp(self):
        self.page = open_page(self.width, self.fragment, self.touch)

    def tearDown(self):
        errors = self.page.errors()
        self.page.close()
        self.assertEqual(errors, [], "the page reported errors")

    def key(self, key, *modifiers):
        self.page.chord(key, *modifiers)

    def focused(self):
        return self.page.js("return document.activeElement.id || document.activeElement.parentElement.id")

    def visible(self, name):
        return self.page.js("const e = document.getElementById(arguments[0]);"
                            "return !!e && e.getClientRects().length > 0", name)


class Axe(unittest.TestCase):
    def audit(self, page, allowed, when):
        if not page.js("return !!window.axe"):
            with open(AXE, encoding="utf-8") as file:
                page.js(file.read())
        found = page.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document, {resultTypes: ['violations']}).then(r => done(r.violations"
            ".filter(v => v.impact === 'critical' || v.impact === 'serious')"
            ".map(v => [v.id, v.nodes.map(n => n.target.join(' '))])), e => done([['axe', [String(e)]]]))")
        faults = {rule: [node for node in nodes if not (rule == "color-contrast" and node in allowed)]
                  for rule, nodes in found}
        self.assertEqual({rule: nodes for rule, nodes in faults.items() if nodes}, {}, when)

    def test_no_serious_fault_in_any_state_language_width_or_look(self):
        if not os.path.exists(AXE):
            self.fail(f"no axe-core at {AXE} (scripts/common.sh: veltrum_install_axe)")
        for width, fragment in [(1280, ""), (390, ""), (1280, "#contrast=high"),
                                (390, "#lang=en&contrast=high"), (1280, "#lang=en"), (390, "#lang=en")]:
            allowed = set() if "contrast=high" in fragment else WINDOW_RED_CAPTIONS
            page = open_page(width, fragment)
            try:
                states = [
                    ("as it starts", "", None),
                    ("after a press", "", "btnsum"),
                    ("the picture's menu", "window.veltrum.tools.openBelow(document.getElementById('PicRes'))", None),
                    ("the receiver's submenu", "document.getElementById('mnuReceiver').click()", None),
                    ("the colour menu", "window.veltrum.tools.close(false); window.veltrum.menu.open()", None),
                    ("the experiment", "window.veltrum.menu.close(false); window.veltrum.experiment.open()", None),
                    ("the guide", "window.veltrum.experiment.close(); window.veltrum.help.show()", None),
                ]
                for name, script, press in states:
                    if press:
                        page.press(press)
                    if script:
                        page.js(script)
                    self.audit(page, allowed, f"{width} px {fragment or 'Russian'}: {name}")
            finally:
                page.close()


class Keyboard(AccessibilityTest):
    def test_a_lab_session_with_the_keyboard_alone(self):
        page = self.page
        table = control_table(CORE)
        self.assertEqual(page.js("return document.querySelectorAll('[tabindex]:not([tabindex=\"0\"]):not([tabindex=\"-1\"])').length"), 0)
        self.assertEqual(page.js("return [document.documentElement.lang, document.querySelectorAll('main').length,"
                                 " document.querySelectorAll('main h1').length]"), ["ru", 1, 1])
        # Tab from the top of the page: the window's order, the enabled controls only, one stop
        # for the scene's options.
        enabled = {c["name"]: c["enabled"] for c in table["controls"]}
        expected = [name for name in table["tabOrder"] if enabled[name] and name not in ("optGranica", "optCel")]
        seen = []
        page.js("document.activeElement.blur()")
        while len(seen) < 60 and (not seen or seen[-1] != "btnUVF"):
            self.key(Keys.TAB)
            seen.append(self.focused())
        self.assertEqual(seen, expected[:expected.index("btnUVF") + 1])
        self.assertEqual(page.js("return document.getElementById('txtT1').getAttribute('aria-label')"),
                         "Температура излучения в пределах главного луча (Тягл), К")
        # Back to the first field, a new temperature typed, then Enter on the amplifier's block.
        page.element("txtT1").click()
        self.key("a", Keys.CONTROL)
        self.key("310")
        while self.focused() != "btnUVF":
            self.key(Keys.TAB)
        self.key(Keys.ENTER)
        page.wait(lambda: "Осциллограмма на выходе УВЧ" in page.js(
            "return document.querySelector('[role=status][aria-live=polite]').textContent"), 30, "the announcement")
        self.assertIn("Ta1=309.", page.js("return document.getElementById('announcer').textContent"))
        # On to the picture: its name, its words, its menu on Shift+F10.
        while self.focused() != "PicRes":
            self.key(Keys.TAB)
        self.assertEqual(page.js("return document.getElementById('PicRes').getAttribute('aria-label')"),
                         "Осциллограмма на выходе УВЧ")
        self.assertIn("Вход 1", page.js("const p = document.getElementById('PicRes');"
                                        "return document.getElementById(p.getAttribute('aria-describedby')).textContent"))
        self.key(Keys.F10, Keys.SHIFT)
        self.assertTrue(self.visible("mnuPicture"))
        self.assertEqual(self.focused(), "actCopyPicture")
        while self.focused() != "actValueTable":
            self.key(Keys.ARROW_DOWN)
        self.key(Keys.ENTER)
        page.wait(lambda: self.visible("dlgValueTable"), 10, "the value table")
        self.assertEqual(page.js("return [...document.querySelectorAll('#tblValues thead th')].map(e => e.textContent)"),
                         ["Отсчёт", "Значение", "Вход"])
        self.assertEqual(page.js("return document.querySelectorAll('#tblValues tbody tr').length"), 10000)
        self.assertEqual(page.js("return document.querySelector('#dlgValueTable .panel-close').getAttribute('aria-label') !== '×'"), True)
        self.key(Keys.ESCAPE)
        self.assertFalse(self.visible("dlgValueTable"))
        self.assertEqual(self.focused(), "PicRes")
        # «Прослушать» plays the curve: an oscillator's pitch over two seconds.
        page.js("window.curves = []; const set = AudioParam.prototype.setValueCurveAtTime;"
                "AudioParam.prototype.setValueCurveAtTime = function (v, t, d) {"
                " window.curves.push([v.length, Math.min(...v), Math.max(...v), d]); return set.call(this, v, t, d); };")
        self.key("l", Keys.CONTROL, Keys.ALT)
        page.wait(lambda: page.js("return window.curves.length") == 1, 10, "the tone")
        count, low, high, seconds = page.js("return window.curves[0]")
        self.assertEqual((count, seconds), (200, 2))
        self.assertTrue(220 <= low < high <= 880, (low, high))

    def test_every_menu_says_it_is_open_and_gives_the_focus_back(self):
        page = self.page
        # The tools button under the window opens the picture's menu.
        page.element("btnTools").click()
        self.assertEqual(page.element("btnTools").get_attribute("aria-expanded"), "true")
        self.assertEqual(page.js("return document.getElementById('mnuPicture').getAttribute('role')"), "menu")
        self.key(Keys.ESCAPE)
        self.assertEqual((self.focused(), page.element("btnTools").get_attribute("aria-expanded")), ("btnTools", "false"))
        # Alt+Г from a field: the colour menu, its submenu by the arrows, Esc twice back to the field.
        page.element("txtKp").click()
        self.key("u", Keys.ALT)
        self.assertEqual(page.element("mnuGraph").get_attribute("aria-expanded"), "true")
        self.key(Keys.ARROW_RIGHT)
        self.assertEqual(page.js("return document.activeElement.getAttribute('role')"), "menuitemcheckbox")
        self.key(Keys.ESCAPE)
        self.key(Keys.ESCAPE)
        self.assertEqual((self.focused(), page.element("mnuGraph").get_attribute("aria-expanded")), ("txtKp", "false"))
        # The experiment and the guide give the focus back too.
        for shortcut, panel in ((lambda: self.key("e", Keys.CONTROL), "dlgSensitivity"),
                                (lambda: self.key(Keys.F1), "dlgHelp")):
            page.element("txtKp").click()
            shortcut()
            page.wait(lambda: self.visible(panel), 10, panel)
            self.key(Keys.ESCAPE)
            self.assertEqual((self.visible(panel), self.focused()), (False, "txtKp"), panel)

    def test_a_long_press_says_that_it_runs_and_that_it_stopped(self):
        page = self.page
        said = "return document.getElementById('announcer').textContent"
        page.type("txtTint", "100000")
        page.element("btnsum").click()
        page.wait(lambda: page.js(said) == "Сумматор: Накопление…", 30, "the start of a long press")
        page.wait(lambda: page.js("return !!document.getElementById('btnCancelPress')"), 30, "the progress box")
        page.element("btnCancelPress").click()
        page.wait(lambda: page.js(said) == "Накопление прервано", 10, "the press stopped")

    def test_a_reading_shows_all_its_digits_when_focused(self):
        page = self.page
        page.press("btnsum")
        box = page.element("lblmo1")
        self.assertEqual(box.text, "1,1138599951919")
        self.assertIn("1,1138599951919", box.get_attribute("aria-label"))
        self.assertIn("Потенциальная чувствительность", box.get_attribute("aria-label"))
        page.js("arguments[0].focus()", box)
        self.assertTrue(page.js("const e = arguments[0]; return e.scrollWidth <= e.clientWidth", box))
        right = page.js("const e = arguments[0], a = document.getElementById('centralwidget');"
                        "return e.getBoundingClientRect().right <= a.getBoundingClientRect().right + 0.5", box)
        self.assertTrue(right)
        page.js("arguments[0].blur()", box)
        self.assertEqual(page.js("return arguments[0].getBoundingClientRect().width", box), 40)


class HighContrast(AccessibilityTest):
    fragment = "#contrast=high"

    def test_the_look_from_the_address_the_switch_and_the_tool(self):
        page = self.page
        page.press("btnUVF")
        contrast = page.drawing()["digest"]
        self.assertEqual(page.js("return [document.body.dataset.contrast, document.getElementById('chkContrast').checked,"
                                 " document.getElementById('actHighContrast').getAttribute('aria-checked')]"),
                         ["high", True, "true"])
        self.assertNotEqual(page.js("return getComputedStyle(document.getElementById('Label10')).color"), "rgb(255, 0, 0)")
        page.element("chkContrast").click()
        page.wait(lambda: page.js("return document.body.dataset.contrast") == "normal", 10, "the window's look")
        page.settle()
        self.assertEqual(page.js("return getComputedStyle(document.getElementById('Label10')).color"), "rgb(255, 0, 0)")
        self.assertNotEqual(page.drawing()["digest"], contrast)
        self.key("h", Keys.CONTROL, Keys.ALT)
        page.wait(lambda: page.js("return document.body.dataset.contrast") == "high", 10, "the tool")
        page.settle()
        self.assertEqual(page.drawing()["digest"], contrast)


class Touch(AccessibilityTest):
    width, touch = 1024, True

    def touch_at(self, kind, x, y):
        points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
        self.page.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def centre(self, name):
        return self.page.js("const b = document.getElementById(arguments[0]).getBoundingClientRect();"
                            "return [b.left + b.width / 2, b.top + b.height / 2]", name)

    def tap(self, name):
        x, y = self.centre(name)
        self.touch_at("touchStart", x, y)
        self.touch_at("touchEnd", x, y)
        time.sleep(0.1)

    def test_a_long_press_a_tap_on_a_submenu_and_a_held_finger(self):
        page = self.page
        page.press("btnUVF")
        self.assertTrue(page.js("return matchMedia('(pointer: coarse)').matches"))
        x, y = self.centre("PicRes")
        # A finger on the picture reads it, and moving along it follows.
        self.touch_at("touchStart", x, y)
        self.touch_at("touchMove", x + 40, y)
        page.wait(lambda: self.visible("readout") and "отсчёт" in page.element("readout").text, 10, "the readout")
        self.touch_at("touchEnd", x + 40, y)
        # Held still: the picture's menu.
        self.touch_at("touchStart", x, y)
        time.sleep(0.8)
        self.touch_at("touchEnd", x, y)
        page.wait(lambda: self.visible("mnuPicture"), 5, "the menu of a long press")
        page.js("window.veltrum.tools.close(false)")
        # A tap on «Графика», then on a submenu: it opens and the menu stays; a tap on a colour.
        self.tap("mnuGraph")
        self.assertEqual(page.element("mnuGraph").get_attribute("aria-expanded"), "true")
        submenu = page.js("return document.querySelectorAll('#mnuGraph .submenu')[1].id")
        self.tap(submenu)
        self.assertEqual(page.element(submenu).get_attribute("aria-expanded"), "true")
        item = page.js("return document.querySelector('#' + arguments[0] + ' .item').id", submenu)
        self.assertTrue(self.visible(item))
        self.tap(item)
        page.settle()
        self.assertEqual(page.element(item).get_attribute("aria-checked"), "true")
        # The picture's menu by a long press, its receiver's submenu by a tap: every target
        # of the menus at least 24 × 24.
        self.touch_at("touchStart", x, y)
        time.sleep(0.8)
        self.touch_at("touchEnd", x, y)
        page.wait(lambda: self.visible("mnuPicture"), 5, "the menu of a long press")
        self.tap("mnuReceiver")
        self.assertEqual(page.element("mnuReceiver").get_attribute("aria-expanded"), "true")
        self.assertTrue(self.visible("actCalibratedModel"))
        small = page.js("return [...document.querySelectorAll('#mnuPicture .item, #mnuPicture .submenu')]"
                        ".filter(e => e.getBoundingClientRect().height < 24).map(e => e.id)")
        self.assertEqual(small, [])
        self.tap("actCalibratedModel")
        page.settle()
        self.assertEqual(page.element("actCalibratedModel").get_attribute("aria-checked"), "true")
        self.assertFalse(self.visible("mnuPicture"))


# What the text-spacing bookmarklet of WCAG 1.4.12 sets.
TEXT_SPACING = ("const s = document.createElement('style'); s.textContent = '* { line-height: 1.5 !important;"
                " letter-spacing: 0.12em !important; word-spacing: 0.16em !important; }"
                " p { margin-bottom: 2em !important; }'; document.head.appendChild(s);")
# The sideways overflow of the page, its smallest text among what is shown, and every
# element whose text its box cuts off.
MEASURE = """
const small = [], clipped = [];
for (const e of document.querySelectorAll('body *')) {
  const style = getComputedStyle(e);
  const text = [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim());
  if (!text || !e.getClientRects().length || e.closest('.visually-hidden')) continue;
  if (parseFloat(style.fontSize) < 12) small.push(e.id || e.className || e.tagName);
  const cuts = /hidden|clip/.test(style.overflowX + style.overflowY);
  if (cuts && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)) clipped.push(e.id || e.className);
}
return [document.documentElement.scrollWidth - innerWidth, small, clipped];
"""


class Reflow(unittest.TestCase):
    def test_one_column_without_sideways_scrolling(self):
        # 320: a small phone, and a 1280 px screen at 400 %; 390: a phone; 640: 200 %.
        for width in (320, 390, 640):
            page = open_page(width)
            try:
                with self.subTest(width=width):
                    self.assertEqual(page.js("return document.body.classList.contains('narrow')"), True)
                    page.press("btnsum")
                    overflow, small, clipped = page.js(MEASURE)
                    self.assertEqual((overflow <= 0, small, clipped), (True, [], []))
                    picture = page.js("const b = document.getElementById('PicRes').getBoundingClientRect();"
                                      "const a = document.getElementById('centralwidget').getBoundingClientRect();"
                                      "return [b.width / b.height, a.width - b.width]")
                    self.assertAlmostEqual(picture[0], 649 / 249, delta=0.02)
                    self.assertLess(picture[1], 20)
                    # The fields, the scene, the blocks, the picture, the readings, top to bottom.
                    tops = page.js("return ['txtT1', 'fraCase', 'btnT1', 'PicRes', 'lblexit']"
                                   ".map(n => document.getElementById(n).getBoundingClientRect().top)")
                    self.assertEqual(tops, sorted(tops))
                    page.js(TEXT_SPACING)
                    overflow, _, clipped = page.js(MEASURE)
                    self.assertEqual((overflow <= 0, clipped), (True, []), "with wider text spacing")
                    for script in ("window.veltrum.experiment.open()",
                                   "window.veltrum.experiment.close(); window.veltrum.help.show()",
                                   "window.veltrum.help.close(); window.veltrum.tools.openBelow(document.getElementById('PicRes'))",
                                   "document.getElementById('mnuReceiver').click()"):
                        page.js(script)
                        self.assertLessEqual(page.js(MEASURE)[0], 0, script)
            finally:
                page.close()
        # As wide as the window and wider: the window itself.
        page = open_page(810)
        try:
            self.assertEqual(page.js("return [document.body.classList.contains('narrow'),"
                                     " document.getElementById('centralwidget').getBoundingClientRect().width]"),
                             [False, 792])
        finally:
            page.close()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
