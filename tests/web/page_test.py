#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""The web edition in headless Chromium, loaded from file:// with the
network off, driven by real key presses and clicks through WebDriver.
    /usr/bin/python3 page_test.py PAGE COMPANION RTF_TEXT [NAME_PART...]
The expected figures and the report bytes come from the native companion,
the texts of RTF reports from RTF_TEXT, the tests' RTF reader."""
import os
import random
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import chromium, load  # noqa: E402

PAGE = COMPANION = RTF_TEXT = None
DRIVER = DOWNLOADS = None

STATE_SCRIPT = """
const value = (id) => document.getElementById(id).value;
return {
  edits: ['baseAmountEdit', 'discountEdit', 'contractorTotalEdit', 'computedTotalEdit', 'differenceEdit',
   'discrepancyEdit'].map(value),
  saveEnabled: !document.getElementById('saveButton').disabled,
  errorOpen: document.getElementById('errorBox').open,
  errorText: document.getElementById('errorText').textContent,
  errorCaption: document.getElementById('errorCaption').textContent,
  aboutOpen: document.getElementById('aboutWindow').open,
  focus: document.activeElement ? document.activeElement.id : '',
};
"""


def state():
    return DRIVER.execute_script(STATE_SCRIPT)


AWARD_SCRIPT = """
const byId = (id) => document.getElementById(id);
const shown = (id) => byId(id).checkVisibility();
return {
  open: byId('awardSection').open,
  inputsShown: shown('safetyCostsEdit'),
  figures: Object.fromEntries([...document.querySelectorAll('#awardFigures output')]
                              .filter((output) => shown(output.id)).map((output) => [output.id, output.value])),
  error: byId('awardErrorLabel').textContent,
  warning: byId('awardWarningLabel').textContent,
  stale: [...document.querySelectorAll('#awardFigures output')].filter((output) => shown(output.id))
      .map((output) => [getComputedStyle(output).color, output.getAttribute('aria-describedby')]),
  saveEnabled: !byId('awardSaveButton').disabled,
  errorBoxOpen: byId('errorBox').open,
};
"""


def award_state():
    """The award section: open or not, its figures shown by id, its error
    line and whether its Salva is enabled."""
    return DRIVER.execute_script(AWARD_SCRIPT)


# The first worked example of the award check, and its figures as the
# section shows them (grouped by thousands).
FIRST_EXAMPLE = ("1000000", "12,345", "880253,50")
FIRST_EXAMPLE_SAFETY_COSTS = "30000"
FIRST_EXAMPLE_FIGURES = {
    "subjectAmountOutput": "970.000,00", "contractAmountOutput": "880.253,50",
    "amountInWordsOutput": "ottocentottantamiladuecentocinquantatré/50", "impliedDiscountOutput": "12,345000 %",
    "contractorMinusContractOutput": "0,00", "outcomeOutput": "concorde",
    "guaranteeOutput": "12,345 % dell'importo contrattuale, 108.667,29"}
AWARD_GOLDEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "report", "golden", "award_report.rtf")


def element(identifier):
    return DRIVER.find_element(By.ID, identifier)


def press(*keys):
    ActionChains(DRIVER).send_keys(*keys).perform()


def alt(letter):
    ActionChains(DRIVER).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


def ctrl(letter):
    ActionChains(DRIVER).key_down(Keys.CONTROL).send_keys(letter).key_up(Keys.CONTROL).perform()


RULES_SCRIPT = """
const [rule, texts, more, done] = arguments;
createDiscordanza({instantiateWasm}).then((module) => {
  module.setDecimalSeparator(',');
  done(texts.map((text) => module[rule](text, ...more)));
});
"""


def form_rule(rule, texts):
    """The form layer's own rule on each text, from a second instance of the
    page's module with "," as the separator: keptTypedText for what typing
    keeps, withFullStop for what the error box shows."""
    texts = list(texts)
    more = [False] if rule == "keptTypedText" else []  # a main input's typing rule
    return dict(zip(texts, DRIVER.execute_async_script(RULES_SCRIPT, rule, texts, more)))


def companion_rows(rows):
    """[computed total, difference, discrepancy, error] of each row of texts."""
    # Each text quoted, so that the companion reads it byte for byte (its CSV
    # reader drops the spaces around an unquoted field).
    lines = "".join(";".join('"%s"' % text.replace('"', '""') for text in row) + "\n" for row in rows)
    run = subprocess.run([COMPANION, "--csv", "--separator", ","], input=lines.encode(), capture_output=True,
                         check=True)
    return [line.split(";")[-4:] for line in run.stdout.decode().split("\n")[:-1]]


def browser_rows(count, seed):
    """Rows of three typed texts and the field typed last, covering every
    error kind; letters, signs and "." among the keys test the filter."""
    r = random.Random(seed)
    noise = "ab -+%xE"

    def amount(low, high, places):
        text = "%.*f" % (places, r.uniform(low, high))
        out = ""
        for c in text:
            if r.random() < 0.1:
                out += r.choice(noise)
            out += c if c != "." or r.random() < 0.5 else ","
        return out

    kinds = [
        lambda: ([amount(1e3, 1e8, 2), amount(0, 60, 3), amount(1e3, 1e8, 2)], r.randrange(3)),
        lambda: ([amount(1e3, 1e8, 0), amount(0, 60, 0), amount(1e3, 1e8, 0)], r.randrange(3)),
        # A conversion error needs a text without digits and separator, which
        # only a paste (Shift+Insert, unfiltered as on the desktop) can bring.
        lambda: ([amount(1e3, 1e8, 2), amount(0, 60, 2), r.choice(["abc", "-", "€", " "])], 2, True),
        lambda: ([r.choice(["x", "+%", "è"]), amount(0, 60, 2), amount(1e3, 1e8, 2)], 0, True),
        lambda: ([amount(1e3, 1e8, 2), amount(0, 60, 2), r.choice(["0", "0,0", "00"])], 2),  # division by zero
        lambda: (["0", amount(0, 60, 2), r.choice(["0", "0,00"])], 2),  # invalid operation
        lambda: ([amount(1e3, 1e8, 2), "100", "0"], 2),  # invalid operation
        lambda: (["9" * r.randint(310, 320), amount(0, 60, 2), amount(1e3, 1e8, 2)], 0),  # overflow
    ]
    rows = [kinds[i % len(kinds)]() for i in range(count)]
    return [row if len(row) == 3 else row + (False,) for row in rows]


INPUTS = ("baseAmountEdit", "discountEdit", "contractorTotalEdit")


def forget_downloads():
    """Each test starts with an empty downloads folder, whatever a test before
    it left there (a save that reached the disk after that test ended)."""
    for name in os.listdir(DOWNLOADS):
        os.remove(os.path.join(DOWNLOADS, name))


def wait_for_download(name):
    target = os.path.join(DOWNLOADS, name)
    for _ in range(100):
        if os.path.exists(target):
            with open(target, "rb") as file:
                content = file.read()
            os.remove(target)
            return content
        time.sleep(0.05)
    raise AssertionError("no download of " + name)


def write_clipboard(text):
    DRIVER.execute_cdp_cmd("Browser.grantPermissions",
                           {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    DRIVER.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)


def read_clipboard():
    DRIVER.execute_cdp_cmd("Browser.grantPermissions",
                           {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    return DRIVER.execute_async_script("navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")


class Page(unittest.TestCase):
    """The page in an Italian browser: "," is the separator."""

    def setUp(self):
        load(DRIVER, PAGE)
        forget_downloads()

    def type_into(self, identifier, text):
        element(identifier).send_keys(text)

    def paste_into(self, identifier, text, *keys_before):
        write_clipboard(text)
        element(identifier).click()
        press(*keys_before)
        ActionChains(DRIVER).key_down(Keys.SHIFT).send_keys(Keys.INSERT).key_up(Keys.SHIFT).perform()

    def fill(self, base, discount, total):
        for identifier, text in zip(INPUTS, (base, discount, total)):
            self.type_into(identifier, text)

    def close_error_box(self):
        press(Keys.ENTER)
        self.assertFalse(state()["errorOpen"])

    def test_worked_example(self):
        self.fill("2767605", "97", "5738745")
        self.assertEqual(state()["edits"][3:], ["83028,1500000001", "5655716,85", "98,5532002206057"])

    def test_starts_in_a_browser_without_from_base64(self):
        """Browsers without Uint8Array.fromBase64 decode the WebAssembly
        through atob."""
        added = DRIVER.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                       {"source": "delete Uint8Array.fromBase64;"})
        try:
            load(DRIVER, PAGE)
            self.assertFalse(DRIVER.execute_script("return 'fromBase64' in Uint8Array"))
            self.test_worked_example()
        finally:
            DRIVER.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": added["identifier"]})

    def test_generated_rows_typed_key_by_key(self):
        """Every keystroke of the last field reaches the form; each prefix's
        outcome is the companion's, errors show in the box with the full
        stop, keep the old results, disable Salva and lose no typed
        character."""
        rows = browser_rows(64, 12)
        typed_filter = form_rule("keptTypedText", {texts[last][:k] for texts, last, _ in rows
                                                   for k in range(len(texts[last]) + 1)} |
                                 {text for texts, _, _ in rows for text in texts}).get
        plans, wanted = [], []
        for texts, last, pasted in rows:
            kept = [typed_filter(t) for t in texts]
            prefixes = [(len(texts[last]), texts[last])] if pasted else []
            if pasted:
                kept[last] = texts[last]
            for k in range(1, len(texts[last]) + 1 if not pasted else 0):
                prefix = typed_filter(texts[last][:k])
                if prefix and (not prefixes or prefixes[-1][1] != prefix):
                    prefixes.append((k, prefix))
            plans.append((texts, last, pasted, kept, prefixes))
            for _, prefix in prefixes:
                wanted.append([prefix if i == last else kept[i] for i in range(3)])
        outcomes = companion_rows(wanted)
        with_full_stop = form_rule("withFullStop", {outcome[3] for outcome in outcomes}).get
        outcomes = iter(outcomes)
        kinds_seen = set()
        for texts, last, pasted, kept, prefixes in plans:
            element("clearButton").click()
            for i in range(3):
                if i != last:
                    self.type_into(INPUTS[i], texts[i])
            self.assertFalse(state()["saveEnabled"])
            results, sent = ["", "", ""], 0
            last_id = INPUTS[last]
            expected = [next(outcomes) for _ in prefixes]
            for (k, prefix), outcome in zip(prefixes, expected):
                if outcome[3] == "" and (k, prefix) != prefixes[-1]:
                    results = outcome[:3]
                    continue  # typed together with the next keys
                if pasted:
                    self.paste_into(last_id, texts[last])
                else:
                    self.type_into(last_id, texts[last][sent:k])
                sent = k
                now = state()
                self.assertEqual(now["edits"][last], prefix)
                self.assertEqual(now["saveEnabled"], outcome[3] == "")
                if outcome[3]:
                    kinds_seen.add(outcome[3].split(" ")[-1])
                    self.assertTrue(now["errorOpen"], (texts, prefix, outcome))
                    self.assertEqual(now["errorText"], with_full_stop(outcome[3]))
                    self.assertEqual(now["edits"][3:], results)
                    self.close_error_box()
                    self.assertEqual(state()["focus"], last_id)
                else:
                    results = outcome[:3]
                    self.assertFalse(now["errorOpen"])
                    self.assertEqual(now["edits"][3:], results, (texts, prefix))
            if not pasted:
                self.type_into(last_id, texts[last][sent:])
            final = state()
            self.assertEqual(final["edits"][:3], kept)
            self.assertFalse(final["errorOpen"])
        self.assertEqual(kinds_seen, {"value", "zero", "operation", "overflow"})

    def test_error_box(self):
        self.fill("1", "0", "0")
        now = state()
        self.assertTrue(now["errorOpen"])
        self.assertEqual(now["errorText"], "Floating point division by zero.")
        self.assertEqual(now["errorCaption"], "discordanza")
        self.assertEqual(now["focus"], "errorOkButton")
        press("7", Keys.TAB)  # goes to the box, not to the field, as in a modal box
        self.close_error_box()
        self.type_into("contractorTotalEdit", "5")
        now = state()
        self.assertEqual(now["edits"], ["1", "0", "05", "1", "4", "80"])

    def test_typed_characters_go_through_the_form(self):
        self.type_into("baseAmountEdit", "1 2.a5-+E")
        press("7", Keys.ENTER, Keys.ESCAPE)
        self.assertEqual(state()["edits"][0], "12,57")
        press(Keys.BACKSPACE, Keys.HOME, Keys.DELETE)
        self.assertEqual(state()["edits"][0], "2,5")
        self.assertFalse(state()["errorOpen"])

    def test_paste_is_unfiltered_up_to_a_line_break(self):
        self.fill("1", "0", "95")
        self.paste_into("contractorTotalEdit", "a1\r\n23", Keys.HOME)  # what followed the caret stays
        self.assertEqual(state()["edits"][2:], ["a195", "1", "194", "99,4871794871795"])

    def test_composed_text_is_filtered(self):
        self.fill("1", "0", "2")
        DRIVER.execute_cdp_cmd("Input.imeSetComposition", {"text": "0é", "selectionStart": 2, "selectionEnd": 2})
        self.assertFalse(state()["errorOpen"])  # nothing runs while the composition is open
        DRIVER.execute_cdp_cmd("Input.insertText", {"text": "é.5"})
        now = state()
        self.assertEqual(now["edits"], ["1", "0", "2,5", "1", "1,5", "60"])
        self.assertFalse(now["errorOpen"])

    def test_modal_boxes_keep_the_window_inert(self):
        self.fill("1", "0", "0")
        self.assertTrue(state()["errorOpen"])
        alt("r")
        self.assertEqual(state()["edits"][:3], ["1", "0", "0"])
        self.close_error_box()
        alt("a")
        alt("r")
        self.assertEqual(state()["edits"][:3], ["1", "0", "0"])
        alt("c")
        self.assertFalse(state()["aboutOpen"])
        alt("c")  # Chiudi's key does nothing while the About window is hidden
        self.assertEqual(state()["focus"], "contractorTotalEdit")

    def test_save_downloads_the_desktop_report(self):
        self.fill("2767605", "97", "5738745")
        alt("s")
        downloaded = wait_for_download("Percentuale di discordanza.rtf")
        native = subprocess.run([COMPANION, "--separator", ",", "--rtf", "-", "2767605", "97", "5738745"],
                                check=True, capture_output=True).stdout
        self.assertEqual(downloaded, native)
        self.assertEqual(state()["focus"], "contractorTotalEdit")

    def test_clear(self):
        self.fill("2767605", "97", "5738745")
        element("discountEdit").click()
        alt("r")
        now = state()
        self.assertEqual(now["edits"], [""] * 6)
        self.assertFalse(now["saveEnabled"])
        self.assertEqual(now["focus"], "discountEdit")
        self.fill("1", "2", "3")
        press(Keys.TAB, Keys.TAB, Keys.TAB)  # the three results
        press(Keys.TAB, "r")  # the letter alone on a focused button
        self.assertEqual(state()["edits"], [""] * 6)
        self.type_into("baseAmountEdit", "r")  # in a field the letter is discarded
        self.assertEqual(state()["edits"][0], "")

    def test_keys_of_a_disabled_save(self):
        self.type_into("baseAmountEdit", "5")
        alt("s")
        element("clearButton").send_keys("s")
        time.sleep(0.2)
        self.assertEqual(os.listdir(DOWNLOADS), [])

    def test_about_window(self):
        self.type_into("baseAmountEdit", "5")
        alt("a")
        now = state()
        self.assertTrue(now["aboutOpen"])
        self.assertEqual(now["focus"], "closeButton")
        press(Keys.ESCAPE, Keys.ARROW_DOWN)
        self.assertEqual(state()["focus"], "headerPanel")
        press(Keys.TAB)  # Chiudi is the only tab stop
        self.assertEqual(state()["focus"], "closeButton")
        element("structuresFirstNameLabel").click()  # a label takes the click and does nothing
        self.assertTrue(state()["aboutOpen"])
        # A click on the picture where no label lies closes the window.
        ActionChains(DRIVER).move_to_element_with_offset(element("picture"), 200, -40).click().perform()
        now = state()
        self.assertFalse(now["aboutOpen"])
        self.assertEqual(now["focus"], "baseAmountEdit")
        self.assertEqual(now["edits"][0], "5")
        for close in (lambda: press("c"), lambda: alt("c"), lambda: element("closeButton").click(),
                      lambda: element("footerPanel").click()):
            element("aboutButton").click()
            self.assertTrue(state()["aboutOpen"])
            close()
            self.assertFalse(state()["aboutOpen"])
            self.assertEqual(state()["focus"], "aboutButton")

    def test_tab_order(self):
        element("baseAmountEdit").click()
        order = []
        for _ in range(8):
            press(Keys.TAB)
            order.append(state()["focus"])
        self.assertEqual(order, ["discountEdit", "contractorTotalEdit", "computedTotalEdit", "differenceEdit",
                                 "discrepancyEdit", "clearButton", "aboutButton", "awardSummary"])
        press(Keys.TAB)  # the closed award section ends the page's tab order
        self.assertEqual(state()["focus"], "baseAmountEdit")
        self.fill("1", "2", "3")
        element("discrepancyEdit").click()
        order = []
        for _ in range(6):
            press(Keys.TAB)
            order.append(state()["focus"])
        self.assertEqual(order, ["clearButton", "aboutButton", "saveButton", "awardSummary", "baseAmountEdit",
                                 "discountEdit"])
        ActionChains(DRIVER).key_down(Keys.SHIFT).send_keys(Keys.TAB, Keys.TAB, Keys.TAB).key_up(Keys.SHIFT).perform()
        self.assertEqual(state()["focus"], "saveButton")
        press(Keys.ARROW_RIGHT)  # arrows on a button move like Tab, selecting a field's text
        self.assertEqual(state()["focus"], "baseAmountEdit")
        press("9")
        self.assertEqual(state()["edits"][0], "9")

    def open_award_with_first_example(self):
        self.fill(*FIRST_EXAMPLE)
        element("awardSummary").click()
        self.type_into("safetyCostsEdit", FIRST_EXAMPLE_SAFETY_COSTS)

    def test_award_section_opens_from_the_keyboard(self):
        now = award_state()
        self.assertEqual((now["open"], now["inputsShown"]), (False, False))
        element("clearButton").click()
        press(Keys.TAB, Keys.TAB)  # About, then, Salva being disabled, the section's summary
        self.assertEqual(state()["focus"], "awardSummary")
        press(Keys.ENTER)
        self.assertEqual((award_state()["open"], award_state()["inputsShown"]), (True, True))
        press(Keys.SPACE)
        self.assertFalse(award_state()["open"])
        press(Keys.SPACE, Keys.TAB)
        self.assertEqual(state()["focus"], "safetyCostsEdit")
        element("baseAmountEdit").click()
        alt("v")  # as "&Verifica" on the desktop
        self.assertFalse(award_state()["open"])

    def test_award_figures_follow_every_edit(self):
        self.open_award_with_first_example()
        now = award_state()
        self.assertEqual(now["figures"], FIRST_EXAMPLE_FIGURES)
        self.assertEqual((now["error"], now["saveEnabled"]), ("", True))
        # An edit of the main window reaches the award check without the
        # section's help.
        element("contractorTotalEdit").send_keys(Keys.CONTROL, "a")
        self.type_into("contractorTotalEdit", "876000")
        self.assertEqual(award_state()["figures"]["outcomeOutput"], "discordanza")
        alt("r")  # Ripulisci empties a main input: nothing to save, nothing failed
        now = award_state()
        self.assertEqual((now["error"], now["saveEnabled"]), ("", False))
        # The figures stay in view, grey and described as stale, as in the window.
        self.assertEqual({tuple(figure) for figure in now["stale"]}, {("rgb(89, 89, 89)", "staleFigureNote")})

    def test_award_amounts_take_the_fields_rules(self):
        self.fill(*FIRST_EXAMPLE)
        element("awardSummary").click()
        self.type_into("safetyCostsEdit", "3a0.000,5")  # a typed "." stays a thousands mark, letters go
        self.assertEqual(element("safetyCostsEdit").get_attribute("value"), "30.000,5")
        self.paste_into("labourCostsEdit", "250000\r\n7")
        self.assertEqual(element("labourCostsEdit").get_attribute("value"), "250000")
        self.assertEqual(award_state()["figures"]["subjectAmountOutput"], "719.999,50")
        self.assertEqual([element(identifier).get_attribute("title") for identifier in ("safetyCostsEdit", "labourCostsEdit")],
                         [element("safetyCostsHelp").text, element("labourCostsHelp").text])

    def test_award_error_shows_in_the_section(self):
        self.fill(*FIRST_EXAMPLE)
        element("awardSummary").click()
        self.type_into("safetyCostsEdit", "2000000")
        companion = subprocess.run([COMPANION, "--separator", ",", "--award", "--safety-costs", "2000000",
                                    *FIRST_EXAMPLE], capture_output=True)
        now = award_state()
        self.assertEqual(now["error"], companion.stderr.decode().strip())
        self.assertEqual((now["saveEnabled"], now["errorBoxOpen"]), (False, False))
        element("awardSaveButton").click()
        time.sleep(0.2)
        self.assertEqual(os.listdir(DOWNLOADS), [])
        element("safetyCostsEdit").send_keys(Keys.CONTROL, "a")
        self.type_into("safetyCostsEdit", FIRST_EXAMPLE_SAFETY_COSTS)
        now = award_state()
        self.assertEqual((now["error"], now["saveEnabled"]), ("", True))
        self.assertEqual(now["figures"], FIRST_EXAMPLE_FIGURES)

    def test_award_decimals_and_guarantee_reach_the_check(self):
        self.open_award_with_first_example()
        element("labourCostsEdit").click()
        press(Keys.TAB, Keys.ARROW_UP)  # 3 → 2 decimals, fewer than the discount's
        figures = award_state()["figures"]
        self.assertEqual(figures["impliedDiscountOutput"], "12,34500 %")  # N + 3 places
        self.assertIn("noteOutput", figures)
        element("belowThresholdGuaranteeRadio").click()
        self.assertEqual(award_state()["figures"]["guaranteeOutput"], "5,000 % dell'importo contrattuale, 44.012,68")
        press(Keys.ARROW_UP)  # the radio group's keys: back to the ordinary guarantee
        self.assertEqual(award_state()["figures"]["guaranteeOutput"], FIRST_EXAMPLE_FIGURES["guaranteeOutput"])

    def test_award_amounts_are_read_as_typed(self):
        """A thousands point in the award's own amount is read as one; in the
        main window's base it is the decimal point, and the section says so."""
        self.fill("250.000", "12,5", "218750")
        element("awardSummary").click()
        self.assertEqual(award_state()["warning"],
                         "Importo a base d'asta letto come 250,000: per le migliaia non si digita il punto.")
        self.type_into("safetyCostsEdit", "30.5")
        now = award_state()
        self.assertIn("30.000,00", now["error"])
        self.assertFalse(now["saveEnabled"])

    def test_alt_s_in_the_section_saves_the_award_report(self):
        self.open_award_with_first_example()
        alt("s")
        wait_for_download("Verifica dell'aggiudicazione.rtf")
        self.assertEqual(state()["focus"], "safetyCostsEdit")  # the focus stays where it was
        forget_downloads()
        element("baseAmountEdit").click()
        alt("s")  # outside the section, the main window's report
        wait_for_download("Percentuale di discordanza.rtf")

    def test_award_report_is_every_editions_bytes(self):
        self.open_award_with_first_example()
        element("awardSaveButton").send_keys(Keys.ENTER)
        downloaded = wait_for_download("Verifica dell'aggiudicazione.rtf")
        with open(AWARD_GOLDEN, "rb") as file:
            self.assertEqual(downloaded, file.read())

    def test_printing_prints_the_award_report_once_it_has_figures(self):
        """The award report's lines follow the discrepancy report's in print,
        with the section closed too, and only while the check has figures."""
        printed = "return [...document.querySelectorAll('#awardReportLines p')].map((p) => [p.textContent, p.checkVisibility()])"
        emulate_media("print")
        self.assertEqual(DRIVER.execute_script(printed), [])
        emulate_media()
        self.open_award_with_first_example()
        element("awardSummary").click()
        self.assertFalse(award_state()["open"])
        emulate_media("print")
        with open(AWARD_GOLDEN, "rb") as file:
            self.assertEqual(DRIVER.execute_script(printed), [[line, True] for line in rtf_lines(file.read())])
        emulate_media()
        alt("r")
        emulate_media("print")
        self.assertEqual(DRIVER.execute_script(printed), [])
        emulate_media()

    def test_accessibility_audit(self):
        """No violation of any of the audit's rules (WCAG 2.1 A and AA and its
        best practices) on the page, the About window, the error box or the
        award section, open and filled."""
        shown = {"page": lambda: None, "About window": lambda: alt("a"),
                 "error box": lambda: self.fill("1", "0", "0"),
                 "award section": self.open_award_with_first_example}
        for name, show in shown.items():
            with self.subTest(name):
                load(DRIVER, PAGE)
                show()
                self.assertEqual(audit(), [])

    def test_keyboard_only_walk(self):
        """Every control of the main window, the About window and the error
        box is reached and worked with the keyboard alone, and each looks
        different while it has the focus."""
        focused = {}

        def keys(*sequence, shift=False):
            if shift:
                ActionChains(DRIVER).key_down(Keys.SHIFT).send_keys(*sequence).key_up(Keys.SHIFT).perform()
            else:
                press(*sequence)
            focus = state()["focus"]
            focused[focus] = looks(focus)[0]
            return focus

        controls = DRIVER.execute_script(
            "return [...document.querySelectorAll('#mainWindow :is(input, button)')].map((e) => e.id)")
        self.assertEqual(state()["focus"], "baseAmountEdit")  # the page opens in the first field
        walk = [keys("2767605"), keys(Keys.TAB, "97"), keys(Keys.TAB, "5738745")]
        walk += [keys(Keys.TAB) for _ in controls[3:]]
        self.assertEqual(sorted(walk), sorted(controls))
        self.assertEqual(keys(Keys.TAB), "awardSummary")
        self.assertEqual(keys(Keys.TAB), "baseAmountEdit")
        self.assertEqual(keys(Keys.TAB, shift=True), "awardSummary")
        self.assertEqual(keys(Keys.TAB, shift=True), "saveButton")
        keys(Keys.SPACE)
        self.assertTrue(wait_for_download("Percentuale di discordanza.rtf").startswith(b"{\\rtf1"))
        self.assertEqual(keys(Keys.TAB, shift=True), "aboutButton")
        about = [keys(Keys.ENTER)] + [keys(Keys.ARROW_DOWN) for _ in range(3)]
        self.assertEqual(about, ["closeButton", "headerPanel", "footerPanel", "closeButton"])
        self.assertEqual(keys(Keys.ENTER), "aboutButton")
        self.assertFalse(state()["aboutOpen"])
        self.assertEqual(keys(Keys.TAB, shift=True), "clearButton")
        keys(Keys.SPACE)
        self.assertEqual(state()["edits"], [""] * 6)
        keys(Keys.TAB, Keys.TAB, Keys.TAB, "1", Keys.TAB, "0", Keys.TAB, "0")  # Salva is disabled: About, the section
        now = state()
        self.assertEqual((now["errorOpen"], now["focus"]), (True, "errorOkButton"))
        self.assertEqual(keys(Keys.ENTER), "contractorTotalEdit")
        DRIVER.execute_script("document.activeElement.blur()")
        reached = controls + ["awardSummary", "closeButton", "headerPanel", "footerPanel", "errorOkButton"]
        self.assertEqual(sorted(focused), sorted(reached))
        for identifier, unfocused in zip(reached, looks(*reached)):
            with self.subTest(identifier):
                self.assertNotEqual(focused[identifier], unfocused)

    def test_accessible_names(self):
        for field, label in [("baseAmountEdit", "baseAmountLabel"), ("discountEdit", "discountLabel"),
                             ("contractorTotalEdit", "contractorTotalLabel"),
                             ("computedTotalEdit", "computedTotalLabel"), ("differenceEdit", "differenceLabel"),
                             ("discrepancyEdit", "discrepancyLabel")]:
            self.assertEqual(element(field).accessible_name, element(label).text)
        for button, name in [("saveButton", "Salva"), ("clearButton", "Ripulisci"), ("aboutButton", "About")]:
            self.assertEqual(element(button).tag_name, "button")
            self.assertEqual(element(button).accessible_name, name)
        self.assertEqual(DRIVER.execute_script(
            "return [...document.querySelectorAll('button[accesskey]')].map((b) => b.accessKey + b.textContent)"),
            ["rRipulisci", "aAbout", "sSalva", "cChiudi"])


AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js")
AUDIT_SCRIPT = """
const done = arguments[0];
axe.run(document, {resultTypes: ['violations']}).then(
    (result) => done(result.violations.map((rule) => [rule.id, rule.impact, rule.nodes.map((node) => node.target.join(' '))])),
    (error) => done([['the audit failed', String(error), []]]));
"""


def audit():
    """The audit's violations on the page as it stands: [rule, impact, the
    elements]. The audit comes from the npm package that package-lock.json
    pins (npm ci in tests/web)."""
    with open(AXE, encoding="utf-8") as file:
        DRIVER.execute_script(file.read())
    return DRIVER.execute_async_script(AUDIT_SCRIPT)


LOOK_SCRIPT = """
return arguments[0].map((identifier) => {
  const style = getComputedStyle(document.getElementById(identifier));
  return ['outlineStyle', 'outlineColor', 'outlineWidth', 'borderColor', 'boxShadow', 'backgroundColor']
      .map((property) => style[property]).join(' ');
});
"""


def looks(*identifiers):
    """How the elements are drawn: their outline, border, shadow and background."""
    return DRIVER.execute_script(LOOK_SCRIPT, identifiers)


SIZES = {"wide": (1920, 1080), "200 %": (512, 384), "400 %": (320, 256)}

GEOMETRY_SCRIPT = """
const rect = (element) => {
  const r = element.getBoundingClientRect();
  return {left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height};
};
const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden' &&
                           !element.classList.contains('visually-hidden');
const root = document.getElementById(arguments[0]);
return {
  viewport: [innerWidth, innerHeight],
  scrollWidth: document.documentElement.scrollWidth,
  box: rect(root),
  parts: [root, ...root.querySelectorAll('*')].filter(shown).map((element) => ({
    id: element.id || element.className || element.tagName,
    rect: rect(element),
    // Text cut at the element's edge (fields scroll their text, pictures have none).
    clipped: !['INPUT', 'IMG'].includes(element.tagName) && element.scrollWidth > element.clientWidth + 1 &&
             getComputedStyle(element).overflowX !== 'visible',
  })),
};
"""

# Each report line's text and where its text after the last tab starts.
PRINTED_SCRIPT = """
const shown = (id) => document.getElementById(id).getClientRects().length > 0;
const lines = [...document.querySelectorAll('#reportLines p')];
return {
  windowShown: shown('mainWindow'),
  reportShown: shown('reportLines'),
  unavailableShown: shown('reportUnavailable'),
  unavailableText: document.getElementById('reportUnavailable').innerText,
  lines: lines.map((line) => {
    const style = getComputedStyle(line);
    const text = line.firstChild;
    let valueLeft = null;
    if (text && text.data.includes('\\t')) {
      const range = document.createRange();
      range.setStart(text, text.data.lastIndexOf('\\t') + 1);
      range.setEnd(text, text.data.length);
      valueLeft = range.getBoundingClientRect().left;
    }
    return {text: line.textContent, left: line.getBoundingClientRect().left, shown: line.getClientRects().length > 0, font: style.fontFamily,
            size: style.fontSize, weight: style.fontWeight, colour: style.color, valueLeft};
  }),
};
"""


def rtf_lines(rtf):
    """The paragraphs of an RTF document as texts, as the tests' RTF reader
    (RTF_TEXT, built from tests/report/rtf_text.cpp) reads them; an error
    where it refuses the document."""
    read = subprocess.run([RTF_TEXT], input=rtf, capture_output=True)
    if read.returncode != 0:
        raise AssertionError(read.stderr.decode(errors="replace").strip())
    return read.stdout.decode().split("\n")[:-1]  # each line ends with a line feed


def set_size(width, height):
    DRIVER.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})


def emulate_media(media="", features=()):
    DRIVER.execute_cdp_cmd("Emulation.setEmulatedMedia",
                           {"media": media, "features": [{"name": n, "value": v} for n, v in features]})


class EnglishPage(Page.__base__):
    """The page in an English browser (separator "."), one check for each
    of the fixes that shows on screen, at a wide screen, at 200 % and 400 %
    zoom of a 1024 x 768 screen, and in print."""

    def setUp(self):
        set_size(*SIZES["wide"])
        emulate_media()
        load(DRIVER, PAGE)
        forget_downloads()

    def tearDown(self):
        DRIVER.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        emulate_media()

    type_into = Page.type_into
    fill = Page.fill
    close_error_box = Page.close_error_box

    def test_typed_point_is_the_decimal_separator(self):
        self.fill("250000", "12.5", "220000")
        self.assertEqual(state()["edits"], ["250000", "12.5", "220000", "218750", "1250", "0.568181818181818"])

    def test_failed_computation_disables_save(self):
        self.fill("250000", "12.5", "220000")
        self.assertTrue(state()["saveEnabled"])
        element("contractorTotalEdit").send_keys(Keys.CONTROL, "a")
        self.type_into("contractorTotalEdit", "0")
        now = state()
        self.assertTrue(now["errorOpen"])
        self.assertFalse(now["saveEnabled"])
        self.close_error_box()
        self.assertEqual(state()["edits"][3:], ["218750", "1250", "0.568181818181818"])  # kept, as before
        alt("s")
        time.sleep(0.3)
        self.assertEqual(os.listdir(DOWNLOADS), [])
        self.type_into("contractorTotalEdit", "5")
        self.assertTrue(state()["saveEnabled"])
        alt("s")
        self.assertIn(b"Impresa):\\tab\\tab\\tab 05\\par", wait_for_download("Percentuale di discordanza.rtf"))

    def test_clipboard_and_undo_keys_in_the_inputs(self):
        ctrl_keys = lambda *letters: [ctrl(letter) for letter in letters]  # noqa: E731
        self.type_into("baseAmountEdit", "12.5")
        ctrl_keys("a", "c")
        element("discountEdit").click()
        ctrl_keys("v")
        self.assertEqual(state()["edits"][1], "12.5")
        ctrl_keys("a", "x")
        self.assertEqual((state()["edits"][1], read_clipboard()), ("", "12.5"))
        ctrl_keys("z")
        self.assertEqual(state()["edits"][1], "12.5")
        ctrl_keys("y")
        self.assertEqual(state()["edits"][1], "")
        ctrl_keys("z")
        self.assertEqual(state()["edits"][1], "12.5")
        write_clipboard("21\r\n99")
        element("contractorTotalEdit").click()
        ctrl_keys("v")  # as Shift+Insert: the first line only
        self.type_into("contractorTotalEdit", "a.0")  # typing is still filtered
        self.assertEqual(state()["edits"][:4], ["12.5", "12.5", "21.0", "10.9375"])

    def test_result_text_as_tooltip_and_description(self):
        self.fill("250000", "12.5", "217500")
        whole = "-0.574712643678161"
        field = element("discrepancyEdit")
        self.assertEqual(field.get_attribute("value"), whole)
        self.assertLess(DRIVER.execute_script("return arguments[0].clientWidth", field),
                        DRIVER.execute_script("return arguments[0].scrollWidth", field))  # it does overflow
        self.assertEqual(field.get_attribute("title"), whole)
        tree = DRIVER.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        described = [node.get("description", {}).get("value") for node in tree
                     if node.get("name", {}).get("value") == "Percentuale di discordanza:" and
                     node["role"]["value"] == "textbox"]
        self.assertEqual(described, [whole])
        field.click()
        ctrl("a")
        ctrl("c")
        self.assertEqual(read_clipboard(), whole)

    def test_long_error_message_stays_in_the_box(self):
        digits = "9" * 100000
        message = "'%s' is not a valid floating point value." % digits
        for name, size in SIZES.items():
            with self.subTest(size=name):
                set_size(*size)
                load(DRIVER, PAGE)
                self.fill("1", "2", "3")
                write_clipboard(digits)
                element("baseAmountEdit").click()
                ctrl("a")
                ctrl("v")
                self.assertTrue(state()["errorOpen"])
                geometry = DRIVER.execute_script(GEOMETRY_SCRIPT, "errorBox")
                width, height = geometry["viewport"]
                box = geometry["box"]
                self.assertTrue(0 <= box["left"] and box["right"] <= width and 0 <= box["top"] and
                                box["bottom"] <= height, (box, size))
                shown = DRIVER.execute_script("""
                    const ok = document.getElementById('errorOkButton').getBoundingClientRect();
                    const text = document.getElementById('errorText');
                    getSelection().selectAllChildren(text);
                    return [document.elementFromPoint(ok.x + ok.width / 2, ok.y + ok.height / 2).id,
                            text.scrollHeight > text.clientHeight, getSelection().toString()];""")
                self.assertEqual(shown[:2], ["errorOkButton", True])  # OK in view, the text scrolls
                self.assertEqual(shown[2], message)  # whole, to be copied
                self.assertLessEqual(geometry["scrollWidth"], width)
                element("errorOkButton").click()
                self.assertFalse(state()["errorOpen"])

    def test_scaled_on_a_wide_screen(self):
        """At 1920 x 1080 the window takes about a third of the width, and the
        About window and the error box are drawn at the same scale, with the
        desktop's proportions."""
        scale_of = "const r = document.getElementById(arguments[0]).getBoundingClientRect(); return [r.width, r.height];"
        window = DRIVER.execute_script(scale_of, "mainWindow")
        self.assertTrue(0.3 <= window[0] / 1920 <= 0.37, window)
        scale = window[0] / 370
        self.assertAlmostEqual(window[1] / 226, scale, delta=0.01)
        element("aboutButton").click()
        about = DRIVER.execute_script(scale_of, "aboutWindow")
        self.assertAlmostEqual(about[0] / 460, scale, delta=0.01)
        self.assertAlmostEqual(about[1] / 298, scale, delta=0.01)
        element("closeButton").click()
        self.fill("1", "0", "0")
        ok = DRIVER.execute_script(scale_of, "errorOkButton")
        self.assertAlmostEqual(ok[0] / 75, scale, delta=0.01)
        self.assertAlmostEqual(ok[1] / 25, scale, delta=0.01)

    def test_reflow_without_sideways_scrolling(self):
        for name in ("200 %", "400 %"):
            width, height = SIZES[name]
            set_size(width, height)
            load(DRIVER, PAGE)
            for identifier, show in (("mainWindow", None), ("aboutWindow", lambda: element("aboutButton").click()),
                                     ("awardSection", lambda: element("awardSummary").click()),
                                     ("errorBox", lambda: self.fill("1", "0", "0"))):
                with self.subTest(size=name, window=identifier):
                    if show:
                        show()
                    geometry = DRIVER.execute_script(GEOMETRY_SCRIPT, identifier)
                    self.assertLessEqual(geometry["scrollWidth"], width)
                    for part in geometry["parts"]:
                        self.assertTrue(part["rect"]["left"] >= 0 and part["rect"]["right"] <= width, part)
                        self.assertFalse(part["clipped"], part)
                    if identifier == "aboutWindow":
                        element("closeButton").click()

    def test_stop_sign_in_forced_colours(self):
        """A high-contrast theme keeps the stop sign's red disc and white
        cross."""
        emulate_media(features=[("forced-colors", "active")])
        self.fill("1", "0", "0")
        picture = element("stopIcon").screenshot_as_base64
        red, white = DRIVER.execute_async_script("""
            const image = new Image();
            image.onload = () => {
              const canvas = document.createElement('canvas');
              [canvas.width, canvas.height] = [image.width, image.height];
              const context = canvas.getContext('2d');
              context.drawImage(image, 0, 0);
              const pixels = context.getImageData(0, 0, image.width, image.height).data;
              let red = 0, white = 0;
              for (let at = 0; at < pixels.length; at += 4) {
                const [r, g, b] = pixels.slice(at, at + 3);
                if (r > 180 && g < 60 && b < 60) red++;
                if (r > 220 && g > 220 && b > 220) white++;
              }
              arguments[1]([red / (pixels.length / 4), white / (pixels.length / 4)]);
            };
            image.src = 'data:image/png;base64,' + arguments[0];""", picture)
        self.assertGreater(red, 0.4)
        self.assertGreater(white, 0.05)

    def test_printing_prints_the_report(self):
        emulate_media("print")
        printed = DRIVER.execute_script(PRINTED_SCRIPT)
        self.assertEqual((printed["windowShown"], printed["unavailableShown"], printed["lines"]), (False, True, []))
        self.assertEqual(len(printed["unavailableText"].split("\n")), 1)
        emulate_media()
        self.fill("250000", "12.5", "217500")
        emulate_media("print")
        printed = DRIVER.execute_script(PRINTED_SCRIPT)
        self.assertEqual((printed["windowShown"], printed["reportShown"], printed["unavailableShown"]),
                         (False, True, False))
        rtf = subprocess.run([COMPANION, "--separator", ".", "--rtf", "-", "250000", "12.5", "217500"],
                             check=True, capture_output=True).stdout
        lines = printed["lines"]
        self.assertEqual([line["text"] for line in lines], rtf_lines(rtf))
        self.assertEqual(len(lines), 14)
        self.assertTrue(all(line["shown"] and line["font"].startswith("Arial") and line["size"] == "16px"
                            for line in lines))  # Arial 12 pt
        self.assertEqual([(line["weight"], line["colour"]) for line in lines[:2]],
                         [("700", "rgb(0, 0, 128)"), ("400", "rgb(0, 0, 0)")])
        # The figures start at tab stops: every half inch (48 px) from the
        # line's start, the RTF's default.
        stops = [line["valueLeft"] - line["left"] for line in lines if line["valueLeft"] is not None]
        self.assertEqual(len(stops), 6)
        self.assertTrue(all(stop >= 48 and stop % 48 == 0 for stop in stops), stops)
        # A failed computation leaves no report to print.
        emulate_media()
        element("contractorTotalEdit").send_keys(Keys.CONTROL, "a")
        self.type_into("contractorTotalEdit", "0")
        self.close_error_box()
        emulate_media("print")
        printed = DRIVER.execute_script(PRINTED_SCRIPT)
        self.assertEqual((printed["unavailableShown"], printed["lines"]), (True, []))


def run(suite_class, language, downloads):
    global DRIVER, DOWNLOADS
    loader = unittest.TestLoader()
    loader.testNamePatterns = ["*%s*" % pattern for pattern in sys.argv[4:]] or None
    with chromium(download_dir=downloads, language=language) as driver:
        DRIVER, DOWNLOADS = driver, downloads
        suite = loader.loadTestsFromTestCase(suite_class)
        return unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)


def main():
    global PAGE, COMPANION, RTF_TEXT
    PAGE, COMPANION, RTF_TEXT = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as downloads:
        results = [run(Page, "it-IT", downloads), run(EnglishPage, "en-US", downloads)]
    ran = sum(result.testsRun for result in results)
    failed = sum(len(result.failures) + len(result.errors) for result in results)
    print("browser: %d passed, %d failed" % (ran - failed, failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
