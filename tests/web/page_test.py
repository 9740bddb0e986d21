#!/usr/bin/python3
"""The web edition in headless Chromium, loaded from file:// with the
network off, driven by real key presses and clicks through WebDriver.
    /usr/bin/python3 page_test.py PAGE COMPANION [NAME_PART...]
The expected figures and the report bytes come from the native companion."""
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

PAGE = COMPANION = None
DRIVER = DOWNLOADS = None

STATE_SCRIPT = """
const value = (id) => document.getElementById(id).value;
return {
  edits: ['Edit1', 'Edit2', 'Edit3', 'Edit4', 'Edit6', 'Edit5'].map(value),
  saveEnabled: !document.getElementById('Button4').disabled,
  errorOpen: document.getElementById('ErrorBox').open,
  errorText: document.getElementById('ErrorText').textContent,
  errorCaption: document.getElementById('ErrorCaption').textContent,
  aboutOpen: document.getElementById('CalmoraAboutForm').open,
  focus: document.activeElement ? document.activeElement.id : '',
};
"""


def state():
    return DRIVER.execute_script(STATE_SCRIPT)


def element(identifier):
    return DRIVER.find_element(By.ID, identifier)


def press(*keys):
    ActionChains(DRIVER).send_keys(*keys).perform()


def alt(letter):
    ActionChains(DRIVER).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


def ctrl(letter):
    ActionChains(DRIVER).key_down(Keys.CONTROL).send_keys(letter).key_up(Keys.CONTROL).perform()


def with_full_stop(message):
    return message + "." if message and ord(message[-1]) > 0x2E else message


def typed_filter(text):
    """What the input filter lets through of typed text."""
    return "".join("," if c == "." else c for c in text if c.isascii() and (c.isdigit() or c in ",."))


def companion_rows(rows):
    """[computed total, difference, percentage, error] of each row of texts."""
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


class Page(unittest.TestCase):
    def setUp(self):
        load(DRIVER, PAGE)

    def type_into(self, identifier, text):
        element(identifier).send_keys(text)

    def paste_into(self, identifier, text, *keys_before):
        DRIVER.execute_cdp_cmd("Browser.grantPermissions",
                               {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        DRIVER.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)
        element(identifier).click()
        press(*keys_before)
        ActionChains(DRIVER).key_down(Keys.SHIFT).send_keys(Keys.INSERT).key_up(Keys.SHIFT).perform()

    def fill(self, base, discount, total):
        for identifier, text in (("Edit1", base), ("Edit2", discount), ("Edit3", total)):
            self.type_into(identifier, text)

    def close_error_box(self):
        press(Keys.ENTER)
        self.assertFalse(state()["errorOpen"])

    def test_worked_example(self):
        self.fill("2767605", "97", "5738745")
        self.assertEqual(state()["edits"][3:], ["83028,1500000001", "5655716,85", "98,5532002206057"])

    def test_generated_rows_typed_key_by_key(self):
        """Every keystroke of the last field runs the change handling; each
        prefix's outcome is the companion's, errors show in the box with the
        full stop, keep the old results and lose no typed character."""
        rows = browser_rows(64, 12)
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
        outcomes = iter(companion_rows(wanted))
        kinds_seen = set()
        for texts, last, pasted, kept, prefixes in plans:
            element("Button1").click()
            for i in range(3):
                if i != last:
                    self.type_into("Edit%d" % (i + 1), texts[i])
            self.assertFalse(state()["saveEnabled"])
            results, sent = ["", "", ""], 0
            last_id = "Edit%d" % (last + 1)
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
                self.assertTrue(now["saveEnabled"])
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

    def test_separator_of_the_browser_language(self):
        with chromium(language="en-US") as english:
            load(english, PAGE)
            for identifier, text in (("Edit1", "2767605"), ("Edit2", "97"), ("Edit3", "5738745.5")):
                english.find_element(By.ID, identifier).send_keys(text)
            # "." is typed as ",", which is no separator in English: 57387455.
            self.assertEqual(english.execute_script("return [Edit4.value, Edit6.value, Edit3.value]"),
                             ["83028.1500000001", "57304426.85", "5738745,5"])

    def test_error_box(self):
        self.fill("1", "0", "0")
        now = state()
        self.assertTrue(now["errorOpen"])
        self.assertEqual(now["errorText"], "Floating point division by zero.")
        self.assertEqual(now["errorCaption"], "discordanza")
        self.assertEqual(now["focus"], "ErrorOk")
        press("7", Keys.TAB)  # goes to the box, not to the field, as in a modal box
        self.close_error_box()
        self.type_into("Edit3", "5")
        now = state()
        self.assertEqual(now["edits"], ["1", "0", "05", "1", "4", "80"])

    def test_full_stop_rule(self):
        for message, shown in [("abc", "abc."), ("9", "9."), ("a:", "a:."), ("è", "è."), ("a.", "a."),
                               ("a!", "a!"), ("a)", "a)"), ("a-", "a-"), ("a ", "a "), ("", "")]:
            self.assertEqual(DRIVER.execute_script("return withFullStop(arguments[0])", message), shown)

    def test_input_filter(self):
        self.type_into("Edit1", "1 2.a5-+E")
        self.assertEqual(state()["edits"][0], "12,5")
        for letter in "avxz":
            ctrl(letter)  # select all, paste, cut, undo: control characters, discarded
        press("7", Keys.ENTER, Keys.ESCAPE)
        self.assertEqual(state()["edits"][0], "12,57")
        press(Keys.BACKSPACE, Keys.HOME, Keys.DELETE)
        self.assertEqual(state()["edits"][0], "2,5")
        self.assertFalse(state()["errorOpen"])

    def test_paste_is_unfiltered_up_to_a_line_break(self):
        self.fill("1", "0", "95")
        self.paste_into("Edit3", "a1\r\n23", Keys.HOME)  # what followed the caret stays
        self.assertEqual(state()["edits"][2:], ["a195", "1", "194", "99,4871794871795"])

    def test_composed_text_is_filtered(self):
        self.type_into("Edit1", "1")
        self.type_into("Edit2", "0")
        self.type_into("Edit3", "2")
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
        alt("s")
        self.assertEqual(state()["edits"][:3], ["1", "0", "0"])
        self.assertEqual(os.listdir(DOWNLOADS), [])
        alt("c")
        self.assertFalse(state()["aboutOpen"])
        alt("c")  # Chiudi's key does nothing while the About window is hidden
        self.assertEqual(state()["focus"], "Edit3")

    def test_save_downloads_the_desktop_report(self):
        self.fill("2767605", "97", "5738745")
        alt("s")
        target = os.path.join(DOWNLOADS, "Percentuale di discordanza.rtf")
        for _ in range(100):
            if os.path.exists(target):
                break
            time.sleep(0.05)
        with open(target, "rb") as file:
            downloaded = file.read()
        os.remove(target)
        with tempfile.TemporaryDirectory() as folder:
            native = os.path.join(folder, "native.rtf")
            subprocess.run([COMPANION, "--separator", ",", "--rtf", native, "2767605", "97", "5738745"],
                           check=True, capture_output=True)
            with open(native, "rb") as file:
                self.assertEqual(downloaded, file.read())
        self.assertEqual(state()["focus"], "Edit3")

    def test_clear(self):
        self.fill("2767605", "97", "5738745")
        element("Edit2").click()
        alt("r")
        now = state()
        self.assertEqual(now["edits"], [""] * 6)
        self.assertFalse(now["saveEnabled"])
        self.assertEqual(now["focus"], "Edit2")
        self.fill("1", "2", "3")
        press(Keys.TAB, Keys.TAB, Keys.TAB)  # Edit4, Edit6, Edit5
        press(Keys.TAB, "r")  # the letter alone on a focused button
        self.assertEqual(state()["edits"], [""] * 6)
        self.type_into("Edit1", "r")  # in a field the letter is discarded
        self.assertEqual(state()["edits"][0], "")

    def test_keys_of_a_disabled_save(self):
        self.type_into("Edit1", "5")
        alt("s")
        element("Button1").send_keys("s")
        time.sleep(0.2)
        self.assertEqual(os.listdir(DOWNLOADS), [])

    def test_about_window(self):
        self.type_into("Edit1", "5")
        alt("a")
        now = state()
        self.assertTrue(now["aboutOpen"])
        self.assertEqual(now["focus"], "Button1About")
        press(Keys.ESCAPE, Keys.ARROW_DOWN)
        self.assertEqual(state()["focus"], "Panel1")
        press(Keys.TAB)  # Chiudi is the only tab stop
        self.assertEqual(state()["focus"], "Button1About")
        element("Label5About").click()  # a label takes the click and does nothing
        self.assertTrue(state()["aboutOpen"])
        # A click on the picture where no label lies closes the window.
        ActionChains(DRIVER).move_to_element_with_offset(element("ProgramIcon"), 200, -40).click().perform()
        now = state()
        self.assertFalse(now["aboutOpen"])
        self.assertEqual(now["focus"], "Edit1")
        self.assertEqual(now["edits"][0], "5")
        for close in (lambda: press("c"), lambda: alt("c"), lambda: element("Button1About").click(),
                      lambda: element("Panel2").click()):
            element("Button2").click()
            self.assertTrue(state()["aboutOpen"])
            close()
            self.assertFalse(state()["aboutOpen"])
            self.assertEqual(state()["focus"], "Button2")

    def test_tab_order(self):
        element("Edit1").click()
        order = []
        for _ in range(8):
            press(Keys.TAB)
            order.append(state()["focus"])
        self.assertEqual(order, ["Edit2", "Edit3", "Edit4", "Edit6", "Edit5", "Button1", "Button2", "Edit1"])
        self.fill("1", "2", "3")
        element("Edit5").click()
        order = []
        for _ in range(5):
            press(Keys.TAB)
            order.append(state()["focus"])
        self.assertEqual(order, ["Button1", "Button2", "Button4", "Edit1", "Edit2"])
        ActionChains(DRIVER).key_down(Keys.SHIFT).send_keys(Keys.TAB, Keys.TAB).key_up(Keys.SHIFT).perform()
        self.assertEqual(state()["focus"], "Button4")
        press(Keys.ARROW_RIGHT)  # arrows on a button move like Tab, selecting a field's text
        self.assertEqual(state()["focus"], "Edit1")
        press("9")
        self.assertEqual(state()["edits"][0], "9")

    def test_accessible_names(self):
        for field, label in [("Edit1", "Label3"), ("Edit2", "Label2"), ("Edit3", "Label4"), ("Edit4", "Label7"),
                             ("Edit6", "Label1"), ("Edit5", "Label5")]:
            self.assertEqual(element(field).accessible_name, element(label).text)
        for button, name in [("Button4", "Salva"), ("Button1", "Ripulisci"), ("Button2", "About")]:
            self.assertEqual(element(button).tag_name, "button")
            self.assertEqual(element(button).accessible_name, name)
        self.assertEqual(DRIVER.execute_script(
            "return [...document.querySelectorAll('button[accesskey]')].map((b) => b.accessKey + b.textContent)"),
            ["rRipulisci", "aAbout", "sSalva", "cChiudi"])


def main():
    global PAGE, COMPANION, DRIVER, DOWNLOADS
    PAGE, COMPANION = sys.argv[1:3]
    loader = unittest.TestLoader()
    loader.testNamePatterns = ["*%s*" % pattern for pattern in sys.argv[3:]] or None
    with tempfile.TemporaryDirectory() as downloads, chromium(download_dir=downloads) as driver:
        DRIVER, DOWNLOADS = driver, downloads
        suite = loader.loadTestsFromTestCase(Page)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    failed = len(result.failures) + len(result.errors)
    print("browser: %d passed, %d failed" % (result.testsRun - failed, failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
