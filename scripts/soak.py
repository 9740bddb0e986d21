# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Soak of the real window: drives the built program on an X display (Xvfb
under openbox, started by scripts/soak.sh) with N random events and fails on
a crash, a hang, resident memory that grows over the second half of the run,
or a saved report whose results do not follow from its inputs.

Events go in through the XTEST extension: key presses with and without Alt
and Ctrl, pastes (the driver owns the clipboard and serves its text, then
Shift+Insert), clicks in the fields and on the buttons. After every event the
driver sends the main window a _NET_WM_PING, as window managers do, and waits
for the answer: since the program handles X events in order, the answer also
says that the event has been handled. Windows that the event opened are
answered: the error box (Return or a click on OK), the About window (its
Chiudi or its picture), the save dialog (cancelled, or a report name in the
scratch folder confirmed). Every report saved is read back by the tests' RTF
reader (rtf-text), and its three results must be what discordanza-cli
computes for its three inputs.

The events come from a random generator seeded with SEED, the answers to
windows from a second one, so that a window that opens a moment late does not
change the events that follow. Only the driver's timing is not repeatable.
"""

import argparse
import os
import random
import subprocess
import sys
import time

from Xlib import X, XK, Xatom, display, protocol
from Xlib.ext import xtest

MAIN_TITLE = "Calcolo percentuali di discordanza"
SAVE_TITLE = "Esporta i dati"
ABOUT_TITLE = "Calmora"
HANG_SECONDS = 10.0
RSS_GROWTH_LIMIT_KIB = 1024

# The window's layout in pixels of a 96-dpi screen (ui/main_layout.h): the
# input fields, the result fields and the buttons, as left, top, width, height.
INPUTS = [(136, 16, 121, 21), (136, 50, 65, 21), (136, 85, 121, 21)]
RESULTS = [(136, 120, 121, 21), (136, 152, 121, 21), (136, 186, 105, 21)]
SALVA, RIPULISCI, ABOUT, ESCI = (280, 8, 75, 25), (280, 40, 75, 25), (280, 72, 75, 25), (280, 104, 75, 25)


class Failure(Exception):
    pass


class Driver:
    def __init__(self, program, pid, scratch, cli, rtf_text):
        self.program = program
        self.pid = pid
        self.scratch = scratch
        self.cli = cli
        self.rtf_text = rtf_text
        self.d = display.Display()
        self.root = self.d.screen().root
        # The program answers a ping on the root window (to StructureNotify there).
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        self.atom = lambda name: self.d.intern_atom(name)
        # A window of our own to own the clipboard.
        self.owner = self.root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.clipboard_text = b""
        self.ping_serial = 0
        self.main = None
        self.saves = 0  # confirmed in the save dialog
        self.checked = 0  # written and checked
        self.refused = 0  # refused with an error box
        self.modals = {"error box": 0, "About": 0, "save dialog": 0}

    # -- The program's windows ---------------------------------------------

    def windows(self):
        """The program's managed top-level windows, with their titles."""
        prop = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
        found = []
        for wid in prop.value if prop else []:
            window = self.d.create_resource_object("window", wid)
            try:
                pid = window.get_full_property(self.atom("_NET_WM_PID"), Xatom.CARDINAL)
                if not pid or pid.value[0] != self.pid:
                    continue
                name = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
                title = name.value.decode("utf-8", "replace") if name else ""
                found.append((window, title))
            except Exception:  # the window went away meanwhile
                continue
        return found

    def wait_for_main(self):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            self.check_alive()
            for window, title in self.windows():
                if title == MAIN_TITLE:
                    self.main = window
                    return
            time.sleep(0.1)
        raise Failure("the main window did not appear within 30 s")

    def origin(self, window):
        coords = window.translate_coords(self.root, 0, 0)
        return -coords.x, -coords.y

    # -- Liveness ----------------------------------------------------------

    def check_alive(self):
        try:
            waited, status = os.waitpid(self.pid, os.WNOHANG)
        except ChildProcessError:
            waited, status = self.pid, 0
        if waited == self.pid:
            if os.WIFSIGNALED(status):
                raise Failure(f"the program crashed: signal {os.WTERMSIG(status)}")
            raise Failure(f"the program ended by itself, status {os.WEXITSTATUS(status)}")

    def ping(self):
        """Waits until the program answers a _NET_WM_PING, serving the
        clipboard meanwhile; a program that does not answer for 10 s hangs."""
        self.ping_serial += 1
        serial = self.ping_serial
        event = protocol.event.ClientMessage(
            window=self.main, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("_NET_WM_PING"), serial, self.main.id, 0, 0]))
        self.main.send_event(event, event_mask=0)
        self.d.flush()
        deadline = time.monotonic() + HANG_SECONDS
        while True:
            while self.d.pending_events():
                got = self.d.next_event()
                if got.type == X.SelectionRequest:
                    self.serve_selection(got)
                elif (got.type == X.ClientMessage and got.client_type == self.atom("WM_PROTOCOLS")
                      and got.data[1][0] == self.atom("_NET_WM_PING") and got.data[1][1] == serial):
                    return
            if time.monotonic() > deadline:
                self.check_alive()
                raise Failure(f"the program did not answer for {HANG_SECONDS:.0f} s")
            time.sleep(0.002)

    def settle(self):
        """The program has handled everything sent, and the window manager
        has had a moment to map what it opened."""
        self.ping()
        time.sleep(0.02)
        self.ping()
        self.check_alive()

    # -- Input -------------------------------------------------------------

    def keycode(self, keysym_name):
        keysym = XK.string_to_keysym(keysym_name)
        code = self.d.keysym_to_keycode(keysym)
        if not code:
            raise Failure(f"no key for {keysym_name}")
        # Shifted when the keysym is the key's second symbol.
        shifted = self.d.keycode_to_keysym(code, 0) != keysym
        return code, shifted

    def key(self, name, ctrl=False, alt=False, shift=False):
        code, shifted = self.keycode(name)
        modifiers = [m for m, on in (("Control_L", ctrl), ("Alt_L", alt), ("Shift_L", shift or shifted)) if on]
        for m in modifiers:
            xtest.fake_input(self.d, X.KeyPress, self.keycode(m)[0])
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        for m in reversed(modifiers):
            xtest.fake_input(self.d, X.KeyRelease, self.keycode(m)[0])
        self.d.flush()

    def type_text(self, text):
        for c in text:
            self.key(KEY_NAMES.get(c, c))

    def click(self, window, rect, rng):
        left, top, width, height = rect
        x0, y0 = self.origin(window)
        x = x0 + left + rng.randrange(2, max(3, width - 2))
        y = y0 + top + rng.randrange(2, max(3, height - 2))
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.flush()

    def paste(self, text):
        self.clipboard_text = text.encode("utf-8")
        self.owner.set_selection_owner(self.atom("CLIPBOARD"), X.CurrentTime)
        self.d.flush()
        self.key("Insert", shift=True)

    def serve_selection(self, request):
        targets, utf8 = self.atom("TARGETS"), self.atom("UTF8_STRING")
        prop = request.property or request.target
        if request.target == targets:
            request.requestor.change_property(prop, Xatom.ATOM, 32, [targets, utf8, Xatom.STRING])
        elif request.target in (utf8, Xatom.STRING, self.atom("TEXT")):
            request.requestor.change_property(prop, request.target, 8, self.clipboard_text)
        else:
            prop = X.NONE
        notify = protocol.event.SelectionNotify(time=request.time, requestor=request.requestor,
                                                selection=request.selection, target=request.target,
                                                property=prop)
        request.requestor.send_event(notify)
        self.d.flush()

    # -- Windows opened by an event ----------------------------------------

    def answer_windows(self, rng):
        """Answers every window the program opened, until only the main
        window is left."""
        for _ in range(20):
            others = [(w, t) for w, t in self.windows() if w.id != self.main.id]
            if not others:
                return
            window, title = others[-1]
            self.wait_for_focus(window)
            if title.startswith(SAVE_TITLE):
                self.modals["save dialog"] += 1
                self.answer_save_dialog(rng)
            elif title.startswith(ABOUT_TITLE):
                self.modals["About"] += 1
                if rng.random() < 0.5:
                    self.key("c")
                else:
                    geometry = window.get_geometry()
                    self.click(window, (0, 0, geometry.width, geometry.height // 2), rng)
            else:
                self.modals["error box"] += 1
                self.key(rng.choice(["Return", "space", "Escape"]))
            self.settle()
        raise Failure("windows kept opening: " + ", ".join(t for _, t in self.windows()))

    def wait_for_focus(self, window):
        """Keys go to the window that has the focus: a window just opened
        gets it from the window manager a moment after it is mapped."""
        deadline = time.monotonic() + HANG_SECONDS
        while self.d.get_input_focus().focus != window:
            if time.monotonic() > deadline:
                raise Failure(f"the window {window.get_wm_name()!r} did not get the focus")
            self.ping()
            time.sleep(0.01)

    def answer_save_dialog(self, rng):
        if rng.random() < 0.4:
            self.key("Escape")
            return
        self.saves += 1
        # The dialog completes names typed: no name is the start of another.
        path = os.path.join(self.scratch, f"{self.saves}-report.rtf")
        # Alt+N ("&Nome del file") puts the focus in the name field, wherever
        # the dialog put it; Ctrl+A selects the name proposed.
        self.key("n", alt=True)
        self.key("a", ctrl=True)
        # One key at a time: the completion list that typing opens and
        # closes takes the keyboard while it shows.
        for c in path:
            self.key(KEY_NAMES.get(c, c))
            self.ping()
        time.sleep(0.05)
        self.ping()
        self.key("Return")
        self.settle()
        # Written, or refused with an error box (a field that the report
        # cannot hold), which answer_windows then answers.
        deadline = time.monotonic() + HANG_SECONDS
        while not os.path.exists(path):
            if any(not t.startswith((MAIN_TITLE, SAVE_TITLE)) for _, t in self.windows()):
                self.refused += 1
                return
            if time.monotonic() > deadline:
                raise Failure(f"the report {path} was neither written nor refused")
            self.ping()
            time.sleep(0.01)
        self.checked += 1
        self.check_report(path)

    def resident_after_clearing(self, rng):
        """Resident memory with the six fields empty (Ripulisci), so that the
        long texts pasted last do not count."""
        self.click(self.main, RIPULISCI, rng)
        self.settle()
        self.answer_windows(rng)
        return resident_kib(self.pid)

    # -- Checking a report -------------------------------------------------

    def check_report(self, path):
        # The tests' RTF reader (tests/report/rtf_text.cpp) prints each
        # paragraph's text as a line, or refuses the report and says why.
        read = subprocess.run([self.rtf_text, path], capture_output=True)
        if read.returncode != 0:
            raise Failure(read.stderr.decode(errors="replace").strip())
        lines = read.stdout.decode().split("\n")[:-1]
        if len(lines) != 14:
            raise Failure(f"{path}: {len(lines)} paragraphs instead of 14")
        fields = []
        for at, (prefix, suffix) in REPORT_FIELDS.items():
            line = lines[at]
            if not line.startswith(prefix) or not line.endswith(suffix):
                raise Failure(f"{path}: paragraph {at + 1} is not a field of the report: {line[:80]!r}")
            fields.append(line[len(prefix):len(line) - len(suffix)])
        base, discount, total, computed, difference, discrepancy = fields
        run = subprocess.run([self.cli, "--separator", ",", "--", base, discount, total],
                             capture_output=True, text=True)
        expected = None
        if run.returncode == 0:
            expected = [line.split(": ", 1)[1] for line in run.stdout.splitlines()]
            expected[2] = strip_percent(expected[2])
        if expected != [computed, difference, discrepancy]:
            short = lambda s: s if len(s) <= 40 else s[:37] + "..."
            raise Failure(
                f"{path}: the report pairs the inputs {[short(base), short(discount), short(total)]} "
                f"with the results {[computed, difference, discrepancy]}, but the calculation gives "
                f"{expected if expected else run.stderr.strip()}")


KEY_NAMES = {"/": "slash", ".": "period", ",": "comma", "-": "minus", "_": "underscore", " ": "space",
             "'": "apostrophe", ";": "semicolon", "%": "percent", "+": "plus", "€": "EuroSign"}


# The report's paragraphs that hold the six fields (report/build_report.cpp):
# the text before and after each field.
REPORT_FIELDS = {
    3: ("Importo a base d'asta:\t\t\t\t\t", ""),
    5: ("Percentuale di ribasso aggiudicatrice:\t\t\t", " %"),
    7: ("Importo totale dei lavori (Impresa):\t\t\t", ""),
    9: ("Importo totale dei lavori (Calcolato):\t\t\t", ""),
    11: ("(Importo Impresa) meno (Importo Calcolato):\t", ""),
    13: ("Percentuale di discordanza:\t\t\t\t", " %"),
}


def strip_percent(text):
    return text[:-2] if text.endswith(" %") else text


# -- The random events --------------------------------------------------------

def random_amount(rng):
    digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 12)))
    if rng.random() < 0.4:
        cut = rng.randint(0, len(digits))
        digits = digits[:cut] + rng.choice(",.") + digits[cut:]
    return digits


def random_paste(rng):
    kind = rng.random()
    if kind < 0.4:
        return random_amount(rng) + rng.choice(["", "", "\n", "\r\n", "\nsecond line"])
    if kind < 0.6:
        return "".join(rng.choice("0123456789.,- abcxyz€%\t") for _ in range(rng.randint(0, 30)))
    if kind < 0.75:
        return "1.234.567,89" if rng.random() < 0.5 else "€ 2.767.605,00"
    if kind < 0.9:
        return "".join(rng.choice("0123456789") for _ in range(rng.randint(1000, 2000)))
    return ""


def run_event(driver, rng, answers):
    """One random event; returns its kind for the tally."""
    main = driver.main
    kind = rng.choices(["type", "key", "ctrl", "alt", "fill", "paste", "click_field", "button"],
                       weights=[30, 10, 8, 6, 12, 8, 14, 12])[0]
    if kind == "type":
        # No "e", Return or space: on a focused Esci they end the program,
        # which is clicked once, at the end.
        driver.key(KEY_NAMES.get(c := rng.choice("0123456789.,,abx-"), c))
    elif kind == "key":
        driver.key(rng.choice(["BackSpace", "Delete", "Left", "Right", "Home", "End", "Tab", "Escape", "Up",
                               "Down"]), shift=rng.random() < 0.3)
    elif kind == "ctrl":
        driver.key(rng.choice("cxvazyb1"), ctrl=True)
    elif kind == "alt":
        # Alt+E would end the program: it is clicked once, at the end.
        driver.key(rng.choice("rsaxz"), alt=True)
    elif kind == "fill":
        # A whole field retyped: how the user gets to a report worth saving.
        field = rng.randrange(3)
        driver.click(main, INPUTS[field], rng)
        driver.key("Home")
        driver.key("End", shift=True)
        amount = random_amount(rng)
        if field == 2 and rng.random() < 0.15:
            amount = "0"  # a contractor's total of zero: the error box
        driver.type_text(amount)
    elif kind == "paste":
        if rng.random() < 0.7:
            driver.click(main, INPUTS[rng.randrange(3)], rng)
        driver.paste(random_paste(rng))
    elif kind == "click_field":
        driver.click(main, rng.choice(INPUTS + RESULTS), rng)
    else:
        driver.click(main, rng.choices([SALVA, RIPULISCI, ABOUT], weights=[6, 2, 1])[0], rng)
    return kind


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise Failure("no resident size")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("events", type=int)
    parser.add_argument("seed", type=int)
    parser.add_argument("--program", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--rtf-text", required=True)
    parser.add_argument("--scratch", required=True)
    args = parser.parse_args()

    env = dict(os.environ, LC_ALL="it_IT.UTF-8", QT_QPA_PLATFORM="xcb", HOME=args.scratch)
    program = subprocess.Popen([args.program], env=env, cwd=args.scratch,
                               stdout=subprocess.DEVNULL, stderr=open(os.path.join(args.scratch, "program.log"), "w"))
    driver = Driver(args.program, program.pid, args.scratch, args.cli, args.rtf_text)
    events = random.Random(args.seed)
    answers = random.Random(args.seed + 1)
    tally = {}
    rss_half = None
    started = time.monotonic()
    try:
        driver.wait_for_main()
        driver.settle()
        driver.click(driver.main, INPUTS[0], answers)
        driver.settle()
        for n in range(1, args.events + 1):
            kind = run_event(driver, events, answers)
            tally[kind] = tally.get(kind, 0) + 1
            driver.settle()
            driver.answer_windows(answers)
            if n == args.events // 2:
                rss_half = driver.resident_after_clearing(answers)
            if os.environ.get("SOAK_TRACE") and n % 100 == 0:
                print(f"soak: {n} events, resident {resident_kib(program.pid)} KiB", flush=True)
        rss_end = driver.resident_after_clearing(answers)

        # Esci ends the program, cleanly.
        driver.settle()
        driver.answer_windows(answers)
        driver.click(driver.main, ESCI, answers)
        try:
            status = program.wait(timeout=HANG_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("Esci did not end the program within 10 s; open: "
                          + ", ".join(t for _, t in driver.windows()))
        if status != 0:
            raise Failure(f"the program ended with status {status} after Esci")
    except Failure as failure:
        print(f"soak: FAILED after {sum(tally.values())} events: {failure}", file=sys.stderr)
        # What the screen showed, for the one who looks into it.
        subprocess.run(["import", "-window", "root", os.path.join(args.scratch, "failure.png")],
                       stderr=subprocess.DEVNULL)
        if program.poll() is None:
            program.kill()
        return 1
    elapsed = time.monotonic() - started
    growth = rss_end - rss_half
    print(f"soak: {args.events} events (seed {args.seed}) in {elapsed:.0f} s: "
          + ", ".join(f"{k} {v}" for k, v in sorted(tally.items())))
    print(f"soak: windows answered: " + ", ".join(f"{k} {v}" for k, v in driver.modals.items())
          + f"; {driver.saves} saves confirmed: {driver.checked} reports written and checked, "
          + f"{driver.refused} refused with an error box")
    print(f"soak: resident memory {rss_half} KiB at half, {rss_end} KiB at the end ({growth:+d} KiB)")
    if growth > RSS_GROWTH_LIMIT_KIB:
        print(f"soak: FAILED: resident memory grew by {growth} KiB over the second half", file=sys.stderr)
        return 1
    print("soak: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
