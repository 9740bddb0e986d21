# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Soak of the real window: drives the built program on an X display (Xvfb
under openbox, with a D-Bus session bus and the accessibility bus, started by
scripts/soak.sh) with N random events and fails on a crash, a hang, resident
memory that grows over the second half of the run, or a saved report whose
results do not follow from its inputs.

The widgets are found as assistive technology finds them, over AT-SPI: each
by its role and its accessible name (a field by its label, a button by its
text), and clicked inside the rectangle that AT-SPI gives for it on the
screen. Events go in through the XTEST extension: key presses with and
without Alt and Ctrl, pastes (the driver owns the clipboard and serves its
text, then Shift+Insert), clicks in the fields and on the buttons of the main
window and of the award check's window ("Verifica dell'aggiudicazione"):
its two costs typed, its decimals' spin box and its guarantee's combo box
changed, its Salva and Chiudi. The award window, which opens centred over
the main window, is moved aside as a user would, so that both stay in
reach.

After every event the driver sends the main window a _NET_WM_PING, as window
managers do, and waits for the answer: since the program handles X events in
order, the answer also says that the event has been handled. Windows that
the event opened are answered: the error box (Return or a click on OK), the
About window (its Chiudi or its picture), the save dialog (cancelled, or a
report name in the scratch folder confirmed, once its proposed name has been
checked against the window that asked). Every report saved is read back by
the tests' RTF reader (rtf-text): the main report's three results must be
what discordanza-cli computes for its three inputs, and an award report must
be, byte for byte, the one that discordanza-cli --award writes for the inputs
it shows.

The events come from a random generator seeded with SEED, the answers to
windows from a second one, so that a window that opens a moment late does not
change the events that follow. Only the driver's timing is not repeatable.
"""

import argparse
import os
import random
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from Xlib import X, XK, Xatom, display, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

MAIN_TITLE = "Calcolo percentuali di discordanza"
AWARD_TITLE = "Verifica dell'aggiudicazione"
SAVE_TITLE = "Esporta i dati"
ABOUT_TITLE = "Calmora"
HANG_SECONDS = 10.0
DOUBLE_CLICK_SECONDS = 0.5  # Qt's double-click interval without a desktop's settings is 400 ms
RSS_GROWTH_LIMIT_KIB = 1024

# The widgets, by their accessible names: the fields are named by their
# labels, the buttons by their texts without the "&".
INPUTS = ["Importo a base d'asta", "Percentuale di ribasso aggiudicatrice",
          "Importo totale dei lavori proposto dall'Impresa"]
RESULTS = ["Importo totale dei lavori calcolato", "Importo Impresa meno importo calcolato",
           "Percentuale di discordanza"]
SALVA, RIPULISCI, ABOUT, ESCI, VERIFICA = "Salva", "Ripulisci", "About", "Esci", "Verifica\u2026"
SAFETY_COSTS = "Oneri della sicurezza non soggetti a ribasso"
LABOUR_COSTS = "Costi della manodopera non soggetti a ribasso"
DECIMALS = "Decimali del ribasso ammessi dalla gara"
GUARANTEE = "Garanzia"
CHIUDI = "Chiudi"
GUARANTEE_KINDS = ["ordinaria (art. 117)", "sotto la soglia europea (art. 53 c. 4)"]
# The name that the save dialog proposes, by the window that asks.
PROPOSED_NAMES = {"main": "Percentuale di discordanza.rtf", "award": "Verifica dell'aggiudicazione.rtf"}


ITEM_VIEWS = {Atspi.Role.LIST, Atspi.Role.TABLE, Atspi.Role.TREE, Atspi.Role.TREE_TABLE}


class Failure(Exception):
    pass


class Widgets:
    """The program's widgets as AT-SPI shows them, on the accessibility bus
    that scripts/soak.sh started. Calls to the program are synchronous D-Bus
    calls, which the program answers from its event loop."""

    def __init__(self, pid):
        self.pid = pid
        self.application = None
        Atspi.set_timeout(int(HANG_SECONDS * 1000), -1)

    def pump(self):
        """Handles what the buses sent the driver meanwhile, so that nothing
        piles up over a long run."""
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def find_application(self):
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for i in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(i)
            try:
                if application is not None and application.get_process_id() == self.pid:
                    # Every answer asked anew: a cache kept up to date by
                    # events would need events that the program only sends
                    # to listeners.
                    application.set_cache_mask(Atspi.Cache.NONE)
                    self.application = application
                    return application
            except GLib.Error:  # an application that went away meanwhile
                continue
        return None

    def window(self, role, title):
        """The program's top-level window of that role and title, or None."""
        if self.application is None:
            return None
        for i in range(self.application.get_child_count()):
            child = self.application.get_child_at_index(i)
            if child is not None and child.get_role() == role and child.get_name() == title:
                return child
        return None

    def find(self, root, role, name):
        """The widget under root of that role named name, by its accessible
        name or by the label that labels it ("Name:")."""
        found = self.find_all(root, role, name)
        if len(found) != 1:
            raise Failure(f"{len(found)} widgets of role {role.value_nick} named {name!r} "
                          f"in {root.get_name()!r} instead of one")
        return found[0]

    def find_all(self, root, role, name):
        """Every widget under root of that role named name. The rows of a
        list or a table are looked into only when they are what is sought:
        each would be one more object that the program describes, and the
        save dialog's list of files has many."""
        found = []
        for i in range(root.get_child_count()):
            child = root.get_child_at_index(i)
            if child is None:
                continue
            child_role = child.get_role()
            if child_role == role and name in (child.get_name(), self.label_of(child)):
                found.append(child)
            if child_role not in ITEM_VIEWS or role == Atspi.Role.LIST_ITEM:
                found += self.find_all(child, role, name)
        return found

    def shown_windows(self):
        """The program's top-level windows that show, as the program itself
        tells (a tooltip aside): a window shown is here as soon as the
        program has handled the event that showed it, before the window
        manager has mapped it."""
        shown = []
        for i in range(self.application.get_child_count()):
            child = self.application.get_child_at_index(i)
            if (child is not None and child.get_role() != Atspi.Role.TOOL_TIP
                    and child.get_state_set().contains(Atspi.StateType.VISIBLE)):
                shown.append(child.get_name())
        return shown

    @staticmethod
    def label_of(widget):
        for relation in widget.get_relation_set():
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
                for i in range(relation.get_n_targets()):
                    label = relation.get_target(i).get_name()
                    return label[:-1] if label.endswith(":") else label
        return None

    @staticmethod
    def rect(widget):
        """Where the widget shows on the screen: left, top, width, height."""
        extents = widget.get_extents(Atspi.CoordType.SCREEN)
        states = widget.get_state_set()
        if (not states.contains(Atspi.StateType.SHOWING) or extents.width <= 0 or extents.height <= 0):
            raise Failure(f"the widget {widget.get_name()!r} does not show "
                          f"({extents.x}, {extents.y}, {extents.width}, {extents.height})")
        return extents.x, extents.y, extents.width, extents.height

    @staticmethod
    def has_state(widget, state):
        return widget.get_state_set().contains(state)


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
        self.widgets = Widgets(pid)
        self.main = None  # the main window: X window, and its widgets by name
        self.main_widgets = {}
        self.award = None  # the award window while it shows, and its widgets
        self.award_widgets = {}
        self.award_accessible = None
        self.saves = 0  # confirmed in the save dialog
        self.checked = {"main": 0, "award": 0}  # written and checked
        self.refused = 0  # refused with an error box
        self.modals = {"error box": 0, "About": 0, "save dialog": 0}
        self.award_moves = 0

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
                if title == MAIN_TITLE and self.widgets.find_application() is not None:
                    frame = self.widgets.window(Atspi.Role.FRAME, MAIN_TITLE)
                    if frame is not None:
                        self.main = window
                        self.find_main_widgets(frame)
                        return
            time.sleep(0.1)
        raise Failure("the main window did not appear, with its widgets on the accessibility bus, within 30 s")

    def find_main_widgets(self, frame):
        find = self.widgets.find
        for name in INPUTS + RESULTS:
            self.main_widgets[name] = find(frame, Atspi.Role.TEXT, name)
        for name in (SALVA, RIPULISCI, ABOUT, ESCI, VERIFICA):
            self.main_widgets[name] = find(frame, Atspi.Role.PUSH_BUTTON, name)

    def find_award_window(self):
        """The award window, if it shows: found by its title, its widgets by
        their names the first time (the window is kept while hidden)."""
        shown = [w for w, t in self.windows() if t == AWARD_TITLE]
        self.award = shown[0] if shown else None
        if self.award is None or self.award_widgets:
            return self.award
        dialog = self.widgets.window(Atspi.Role.DIALOG, AWARD_TITLE)
        if dialog is None:
            raise Failure("the award window shows, but not on the accessibility bus")
        find = self.widgets.find
        self.award_accessible = dialog
        self.award_widgets = {
            SAFETY_COSTS: find(dialog, Atspi.Role.TEXT, SAFETY_COSTS),
            LABOUR_COSTS: find(dialog, Atspi.Role.TEXT, LABOUR_COSTS),
            DECIMALS: find(dialog, Atspi.Role.SPIN_BUTTON, DECIMALS),
            # A combo box is named by its current item; its label names it too.
            GUARANTEE: find(dialog, Atspi.Role.COMBO_BOX, GUARANTEE),
            SALVA: find(dialog, Atspi.Role.PUSH_BUTTON, SALVA),
            CHIUDI: find(dialog, Atspi.Role.PUSH_BUTTON, CHIUDI),
        }
        return self.award

    def place_award_window(self):
        """The award window must fit the screen, or some of it is out of
        reach. Where it covers the main window (a screen without room beside
        it), or runs past the screen's edge (it grows with its texts), it
        would take the clicks meant for the main window or keep its own
        from the pointer: it is moved, as a user drags it, to a corner of the
        screen that leaves the main window free."""
        main = grown(self.frame_rect(self.main), 8)
        award = self.frame_rect(self.award)
        screen = self.d.screen()
        width, height = award[2], award[3]
        if width > screen.width_in_pixels or height > screen.height_in_pixels:
            raise Failure(f"the award window is {width}x{height} pixels, larger than the "
                          f"{screen.width_in_pixels}x{screen.height_in_pixels} screen: some of it is out of reach "
                          f"(its texts: {self.award_texts()})")
        if not overlap(main, award) and self.on_screen(award):
            return
        corners = [(0, 0), (screen.width_in_pixels - width, 0), (0, screen.height_in_pixels - height),
                   (screen.width_in_pixels - width, screen.height_in_pixels - height)]
        free = [c for c in corners if not overlap(main, (*c, width, height))]
        if not free:
            raise Failure(f"the screen has no room for the award window {award} beside the main window {main}")
        x, y = free[0]
        # _NET_MOVERESIZE_WINDOW: the frame's north-west corner (gravity 1),
        # x and y only (bits 8 and 9), asked by a pager (source 2, bit 13).
        flags = 1 | (1 << 8) | (1 << 9) | (2 << 12)
        event = protocol.event.ClientMessage(
            window=self.award, client_type=self.atom("_NET_MOVERESIZE_WINDOW"),
            data=(32, [flags, x, y, 0, 0]))
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.flush()
        self.award_moves += 1
        # The program learns where its window went from the window manager:
        # the widgets' rectangles move with it.
        field = self.award_widgets[SAFETY_COSTS]
        deadline = time.monotonic() + HANG_SECONDS
        while self.frame_rect(self.award)[:2] != (x, y) or overlap(main, Widgets.rect(field)):
            if time.monotonic() > deadline:
                raise Failure(f"the award window did not move aside: {self.frame_rect(self.award)}")
            self.ping()
            time.sleep(0.01)

    def award_texts(self):
        """The award window's inputs and texts, shortened, for a failure."""
        texts = []
        dialog = self.award_accessible
        for widget in (dialog.get_child_at_index(i) for i in range(dialog.get_child_count())):
            try:
                if widget is None or widget.get_role() not in (Atspi.Role.LABEL, Atspi.Role.TEXT):
                    continue
                text = widget.get_name() if widget.get_role() == Atspi.Role.LABEL else widget.get_text(0, -1)
            except GLib.Error:  # one that the program no longer has
                continue
            if text and not text.endswith(":"):  # the rows' labels aside
                texts.append(f"{short(text)} ({len(text)} characters)" if len(text) > 40 else text)
        return texts

    def frame_rect(self, window):
        """A window's rectangle on the screen, with the window manager's frame."""
        geometry = window.get_geometry()
        x, y = self.origin(window)
        extents = window.get_full_property(self.atom("_NET_FRAME_EXTENTS"), Xatom.CARDINAL)
        left, right, top, bottom = extents.value if extents else (0, 0, 0, 0)
        return x - left, y - top, geometry.width + left + right, geometry.height + top + bottom

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
        self.widgets.pump()
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

    def click_at(self, rect, rng):
        """A left click at a random point inside rect, on the screen."""
        left, top, width, height = rect
        x = left + rng.randrange(2, max(3, width - 2))
        y = top + rng.randrange(2, max(3, height - 2))
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.flush()

    def click(self, widget, rng):
        """A click inside the widget's rectangle, as AT-SPI gives it now."""
        rect = Widgets.rect(widget)
        if not self.on_screen(rect):
            raise Failure(f"the widget {widget.get_name()!r} at {rect} is not on the screen")
        self.click_at(rect, rng)

    def on_screen(self, rect):
        screen = self.d.screen()
        left, top, width, height = rect
        return left >= 0 and top >= 0 and left + width <= screen.width_in_pixels \
            and top + height <= screen.height_in_pixels

    def click_to_type(self, window, widget, rng):
        """A click in a field, and the keys after it for its window: a click
        in a window without the focus gets it from the window manager a
        moment later. A window that an earlier event opened, mapped only
        now, takes the focus (and keeps the click from its owner): it is
        answered, and the field clicked again."""
        for _ in range(3):
            self.click(widget, rng)
            self.settle()
            if self.wait_for_focus(window, give_way=True):
                return
            self.answer_windows(rng)
        raise Failure(f"the window {window.get_wm_name()!r} did not get the focus: windows kept opening")

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
        window and the award window are left; the award window, when it
        shows, is moved aside."""
        for _ in range(20):
            self.wait_for_mapping()
            others = [(w, t) for w, t in self.windows() if w.id != self.main.id and t != AWARD_TITLE]
            if not others:
                if self.find_award_window() is not None:
                    self.place_award_window()
                return
            window, title = others[-1]
            self.wait_for_focus(window)
            if title.startswith(SAVE_TITLE):
                self.modals["save dialog"] += 1
                self.answer_save_dialog(window, rng)
            elif title.startswith(ABOUT_TITLE):
                self.modals["About"] += 1
                if rng.random() < 0.5:
                    self.key("c")
                else:
                    x, y = self.origin(window)
                    geometry = window.get_geometry()
                    self.click_at((x, y, geometry.width, geometry.height // 2), rng)
            else:
                self.modals["error box"] += 1
                self.key(rng.choice(["Return", "space", "Escape"]))
            self.settle()
        raise Failure("windows kept opening: " + ", ".join(t for _, t in self.windows()))

    def wait_for_mapping(self):
        """Waits until the window manager has mapped every window that the
        program shows: keys sent before then would reach the window that had
        the focus, not the one just opened."""
        deadline = time.monotonic() + HANG_SECONDS
        while len(shown := self.widgets.shown_windows()) > len(self.windows()):
            if time.monotonic() > deadline:
                raise Failure(f"the program shows {shown}, the window manager only "
                              f"{[t for _, t in self.windows()]}")
            self.ping()
            time.sleep(0.01)

    def wait_for_focus(self, window, give_way=False):
        """Keys go to the window that has the focus: a window just opened
        gets it from the window manager a moment after it is mapped. With
        give_way, False as soon as a window other than the main window and
        the award window shows."""
        deadline = time.monotonic() + HANG_SECONDS
        while self.d.get_input_focus().focus != window:
            if give_way and any(w.id != self.main.id and t != AWARD_TITLE for w, t in self.windows()):
                return False
            if time.monotonic() > deadline:
                raise Failure(f"the window {window.get_wm_name()!r} did not get the focus")
            self.ping()
            time.sleep(0.01)
        return True

    def save_dialog_asker(self, window):
        """Which window asked for the save dialog: its owner, for which the
        window manager keeps it above."""
        owner = window.get_full_property(Xatom.WM_TRANSIENT_FOR, Xatom.WINDOW)
        owner_id = owner.value[0] if owner else None
        if owner_id == self.main.id:
            return "main"
        if self.award is not None and owner_id == self.award.id:
            return "award"
        raise Failure(f"a save dialog that belongs to neither window (owner {owner_id})")

    def proposed_name(self):
        """The file name that the save dialog proposes, in its name field."""
        dialogs = [self.widgets.window(role, title) for role in (Atspi.Role.DIALOG, Atspi.Role.FILE_CHOOSER)
                   for title in {t for _, t in self.windows() if t.startswith(SAVE_TITLE)}]
        dialogs = [d for d in dialogs if d is not None]
        if len(dialogs) != 1:
            raise Failure(f"{len(dialogs)} save dialogs on the accessibility bus instead of one")
        field = self.widgets.find(dialogs[0], Atspi.Role.TEXT, "Nome del file")
        return field.get_text(0, -1)

    def answer_save_dialog(self, window, rng):
        asker = self.save_dialog_asker(window)
        proposed = self.proposed_name()
        if proposed != PROPOSED_NAMES[asker]:
            raise Failure(f"the save dialog of the {asker} window proposes {proposed!r}, "
                          f"not {PROPOSED_NAMES[asker]!r}")
        if rng.random() < 0.4:
            self.key("Escape")
            return
        self.saves += 1
        # The dialog completes names typed: no name is the start of another.
        path = os.path.join(self.scratch, f"{self.saves}-{asker}.rtf")
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
            if any(not t.startswith((MAIN_TITLE, SAVE_TITLE, AWARD_TITLE)) for _, t in self.windows()):
                self.refused += 1
                return
            if time.monotonic() > deadline:
                raise Failure(f"the report {path} was neither written nor refused")
            self.ping()
            time.sleep(0.01)
        self.checked[asker] += 1
        if asker == "main":
            self.check_report(path)
        else:
            self.check_award_report(path)

    def close_award_window(self, rng):
        """Hides the award window with its Chiudi, if it shows."""
        if self.find_award_window() is not None:
            self.click(self.award_widgets[CHIUDI], rng)
            self.settle()
            self.answer_windows(rng)
            if self.find_award_window() is not None:
                raise Failure("Chiudi did not hide the award window")

    def resident_after_clearing(self, rng):
        """Resident memory in the same state at every measure, so that the
        long texts pasted last do not count: the award window shows the
        figures of a small tender without costs, and is hidden; the main
        window's six fields are empty (Ripulisci)."""
        self.answer_windows(rng)
        if self.find_award_window() is None:
            self.click(self.main_widgets[VERIFICA], rng)
            self.settle()
            self.answer_windows(rng)
            if self.find_award_window() is None:
                raise Failure("Verifica… did not show the award window")
        for name, amount in ((SAFETY_COSTS, ""), (LABOUR_COSTS, "")):
            self.click_to_type(self.award, self.award_widgets[name], rng)
            self.key("a", ctrl=True)
            self.key("BackSpace")
        for name, amount in zip(INPUTS, ("100", "10", "90")):
            self.click_to_type(self.main, self.main_widgets[name], rng)
            self.key("a", ctrl=True)
            self.type_text(amount)
        self.settle()
        self.answer_windows(rng)
        self.close_award_window(rng)
        self.click(self.main_widgets[RIPULISCI], rng)
        self.settle()
        self.answer_windows(rng)
        return resident_kib(self.pid)

    # -- Checking a report -------------------------------------------------

    def read_report(self, path):
        # The tests' RTF reader (tests/report/rtf_text.cpp) prints each
        # paragraph's text as a line, or refuses the report and says why.
        read = subprocess.run([self.rtf_text, path], capture_output=True)
        if read.returncode != 0:
            raise Failure(read.stderr.decode(errors="replace").strip())
        return read.stdout.decode().split("\n")[:-1]

    def check_report(self, path):
        lines = self.read_report(path)
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
            raise Failure(
                f"{path}: the report pairs the inputs {[short(base), short(discount), short(total)]} "
                f"with the results {[computed, difference, discrepancy]}, but the calculation gives "
                f"{expected if expected else run.stderr.strip()}")

    def check_award_report(self, path):
        """The award report's inputs, read from its lines, given to the
        companion, must give the same report, byte for byte."""
        lines = self.read_report(path)
        if not lines or lines[0] != AWARD_TITLE + ".":
            raise Failure(f"{path}: the award report opens with {lines[:1]!r}, not its title")
        inputs = {}
        for line in lines[1:]:
            if not line.strip():
                continue
            if line.startswith("Avviso: "):  # the warnings, between the title and the inputs
                if inputs:
                    raise Failure(f"{path}: a warning among the inputs: {line!r}")
                continue
            match = AWARD_LINE.match(line)
            if match is None or match[1] not in AWARD_INPUTS:
                break  # the figures follow the inputs
            if match[1] in inputs:
                raise Failure(f"{path}: {match[1]!r} twice")
            inputs[match[1]] = match[2]
        if list(inputs) != AWARD_INPUTS:
            raise Failure(f"{path}: the inputs {list(inputs)} instead of {AWARD_INPUTS}")
        base, safety, labour, discount, decimals, total, guarantee = inputs.values()
        if not discount.endswith(" %"):
            raise Failure(f"{path}: the discount {discount!r} without its \" %\"")
        if guarantee not in GUARANTEE_KINDS:
            raise Failure(f"{path}: the guarantee {guarantee!r} is none of {GUARANTEE_KINDS}")
        command = [self.cli, "--separator", ",", "--award", "--rtf", "-", "--safety-costs", safety,
                   "--labour-costs", labour, "--decimals", decimals]
        if guarantee == GUARANTEE_KINDS[1]:
            command.append("--below-threshold")
        command += ["--", base, strip_percent(discount), total]
        run = subprocess.run(command, capture_output=True)
        if run.returncode != 0:
            raise Failure(f"{path}: the program saved an award report, but the companion refuses its inputs: "
                          f"{run.stderr.decode(errors='replace').strip()}")
        with open(path, "rb") as saved:
            report = saved.read()
        if report != run.stdout:
            expected = os.path.join(self.scratch, os.path.basename(path) + ".expected")
            with open(expected, "wb") as companion:
                companion.write(run.stdout)
            differ = [(a, b) for a, b in zip(lines, self.read_report(expected)) if a != b]
            raise Failure(f"{path}: the award report differs from the companion's for its inputs "
                          f"({expected}); first differing paragraphs: {differ[:2]}")


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

# The award report's input lines, "Label:<tabs>value", in their order.
AWARD_LINE = re.compile(r"([^:\t]+):\t+(.*)")
AWARD_INPUTS = ["Importo a base d'asta", SAFETY_COSTS, LABOUR_COSTS, "Percentuale di ribasso aggiudicatrice",
                DECIMALS, "Importo totale dei lavori (Impresa)", GUARANTEE]


def strip_percent(text):
    return text[:-2] if text.endswith(" %") else text


def short(text):
    return text if len(text) <= 40 else text[:37] + "..."


def grown(rect, margin):
    left, top, width, height = rect
    return left - margin, top - margin, width + 2 * margin, height + 2 * margin


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


# -- The random events --------------------------------------------------------

def random_amount(rng):
    digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 12)))
    if rng.random() < 0.4:
        cut = rng.randint(0, len(digits))
        digits = digits[:cut] + rng.choice(",.") + digits[cut:]
    return digits


def random_discount(rng):
    """A discount as tenders have them: under 100, up to six decimals."""
    whole = str(rng.randint(0, 60))
    decimals = rng.randint(0, 6)
    return whole + ("," + "".join(rng.choice("0123456789") for _ in range(decimals)) if decimals else "")


def random_tender(rng):
    """A tender's three inputs as a user copies them from the papers: a base
    amount, a discount and the contractor's total, which follows from them
    but for its rounding or a slip of some euros."""
    base = rng.randint(1_000_000, 900_000_000)  # in cents
    discount = random_discount(rng)
    factor = 1 - float(discount.replace(",", ".")) / 100
    total = round(base * factor) + rng.choice([0, 0, 1, -1, rng.randint(-100_000, 100_000)])
    cents = lambda amount: f"{amount // 100},{amount % 100:02d}"
    return cents(base), discount, cents(max(total, 1))


def random_costs(rng, slips=True):
    """An amount as the award window's costs take it, with "." between the
    thousands and "," before the cents: mostly well written, at times (with
    slips) with a slip (a group of the wrong size, a third decimal, a stray
    character)."""
    kind = rng.random() if slips else rng.random() * 0.9
    if kind < 0.08:
        return ""
    whole = str(rng.randint(0, 10 ** rng.randint(1, 7)))
    if rng.random() < 0.6:
        groups = []
        while len(whole) > 3:
            groups.insert(0, whole[-3:])
            whole = whole[:-3]
        whole = ".".join([whole] + groups)
    if rng.random() < 0.5:
        whole += "," + "".join(rng.choice("0123456789") for _ in range(rng.choice([1, 2, 2, 2, 3])))
    if kind > 0.9:
        cut = rng.randint(0, len(whole))
        whole = whole[:cut] + rng.choice(".,-a ") + whole[cut:]
    return whole


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


# Each kind of event and its weight; those of the award window open it first.
EVENTS = {"type": 24, "key": 9, "ctrl": 7, "alt": 6, "fill": 11, "tender": 3, "paste": 7, "click_field": 9,
          "button": 9, "award": 3, "award_costs": 5, "award_decimals": 2, "award_guarantee": 2, "award_button": 3,
          "award_report": 2}


def run_event(driver, rng, answers):
    """One random event; returns its kind for the tally."""
    main = driver.main_widgets
    kind = rng.choices(list(EVENTS), weights=list(EVENTS.values()))[0]
    if kind.startswith("award_") and driver.find_award_window() is None:
        # The award window's widgets need the window: Verifica… first.
        driver.click(main[VERIFICA], answers)
        driver.settle()
        driver.answer_windows(answers)
        if driver.find_award_window() is None:
            raise Failure("Verifica… did not show the award window")
    award = driver.award_widgets
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
        # Alt+E would end the program: it is clicked once, at the end. Alt+V
        # opens the award window from the main window; in the award window
        # Alt+S saves and Alt+C closes.
        driver.key(rng.choice("rsaxzvc"), alt=True)
    elif kind == "fill":
        # A whole field retyped: how the user gets to a report worth saving.
        field = rng.randrange(3)
        driver.click_to_type(driver.main, main[INPUTS[field]], rng)
        driver.key("Home")
        driver.key("End", shift=True)
        amount = random_amount(rng)
        if field == 1 and rng.random() < 0.5:
            amount = random_discount(rng)  # one the award check takes
        if field == 2 and rng.random() < 0.15:
            amount = "0"  # a contractor's total of zero: the error box
        driver.type_text(amount)
    elif kind == "tender":
        fill_tender(driver, rng)
    elif kind == "paste":
        if rng.random() < 0.7:
            driver.click_to_type(driver.main, main[INPUTS[rng.randrange(3)]], rng)
        driver.paste(random_paste(rng))
    elif kind == "click_field":
        driver.click(main[rng.choice(INPUTS + RESULTS)], rng)
    elif kind == "button":
        driver.click(main[rng.choices([SALVA, RIPULISCI, ABOUT], weights=[6, 2, 1])[0]], rng)
    elif kind == "award":
        # Verifica…, or Alt+V where the main window has the focus.
        if rng.random() < 0.7:
            driver.click(main[VERIFICA], rng)
        else:
            driver.click_to_type(driver.main, main[INPUTS[rng.randrange(3)]], rng)
            driver.key("v", alt=True)
    elif kind == "award_costs":
        # One of the two costs retyped.
        driver.click_to_type(driver.award, award[rng.choice([SAFETY_COSTS, LABOUR_COSTS])], rng)
        driver.key("Home")
        driver.key("End", shift=True)
        driver.type_text(random_costs(rng))
    elif kind == "award_decimals":
        # A click in the spin box (on its arrows at times), then a digit
        # typed over its value or the arrow keys.
        driver.click_to_type(driver.award, award[DECIMALS], rng)
        how = rng.random()
        if how < 0.5:
            driver.key("Home")
            driver.key("End", shift=True)
            driver.key(str(rng.randrange(10)))
        else:
            for _ in range(rng.randint(1, 3)):
                driver.key(rng.choice(["Up", "Down", "Prior", "Next"]))
    elif kind == "award_guarantee":
        choose_guarantee(driver, rng)
    elif kind == "award_report":
        # A tender checked from start to end: its inputs, its costs, its
        # decimals and its guarantee, and the award report saved.
        fill_tender(driver, rng)
        for name in (SAFETY_COSTS, LABOUR_COSTS):
            driver.click_to_type(driver.award, award[name], rng)
            driver.key("a", ctrl=True)
            driver.type_text(random_costs(rng, slips=False))
        driver.click_to_type(driver.award, award[DECIMALS], rng)
        driver.key("a", ctrl=True)
        driver.key(str(rng.randrange(10)))
        choose_guarantee(driver, rng)
        driver.settle()
        driver.click(award[SALVA], rng)
    else:
        # Salva or Chiudi, by a click or by its Alt key; or Escape.
        how = rng.random()
        if how < 0.6:
            driver.click(award[rng.choices([SALVA, CHIUDI], weights=[3, 1])[0]], rng)
        else:
            driver.click_to_type(driver.award, award[rng.choice([SAFETY_COSTS, LABOUR_COSTS])], rng)
            if how < 0.85:
                driver.key("s", alt=True)
            elif how < 0.95:
                driver.key("c", alt=True)
            else:
                driver.key("Escape")
    return kind


def fill_tender(driver, rng):
    """The three inputs of a tender, one field after the other."""
    for name, amount in zip(INPUTS, random_tender(rng)):
        driver.click_to_type(driver.main, driver.main_widgets[name], rng)
        driver.key("a", ctrl=True)
        driver.type_text(amount)


def choose_guarantee(driver, rng):
    """The guarantee's combo box: a click opens its list, where an item is
    clicked or chosen with the keys, or the list is left with Escape."""
    combo = driver.award_widgets[GUARANTEE]
    driver.click_to_type(driver.award, combo, rng)
    how = rng.random()
    if how < 0.5:
        items = driver.widgets.find_all(combo, Atspi.Role.LIST_ITEM, rng.choice(GUARANTEE_KINDS))
        if len(items) != 1:
            raise Failure(f"the guarantee's list has {len(items)} such items")
        # For a double click's time after the click that opened it, the list
        # takes no click near that one (which would otherwise choose the
        # item under it as the button comes up): a user's second click
        # comes later than that.
        time.sleep(DOUBLE_CLICK_SECONDS)
        driver.click(items[0], rng)
    elif how < 0.9:
        driver.key(rng.choice(["Up", "Down"]))
        driver.key("Return")
    else:
        driver.key("Escape")
    driver.settle()
    if Widgets.has_state(combo, Atspi.StateType.EXPANDED):
        raise Failure("the guarantee's list stayed open")


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

    # Qt speaks AT-SPI without asking whether a screen reader runs.
    env = dict(os.environ, LC_ALL="it_IT.UTF-8", QT_QPA_PLATFORM="xcb", HOME=args.scratch,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
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
        # The award window made at once, so that what it takes is in both
        # measures of resident memory.
        driver.click(driver.main_widgets[VERIFICA], answers)
        driver.settle()
        driver.answer_windows(answers)
        if driver.find_award_window() is None:
            raise Failure("Verifica… did not show the award window")
        driver.click_to_type(driver.main, driver.main_widgets[INPUTS[0]], answers)
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

        # Esci ends the program, cleanly, whether the award window shows or not.
        if answers.random() < 0.5:
            driver.click(driver.main_widgets[VERIFICA], answers)
        driver.settle()
        driver.answer_windows(answers)
        award_shown = driver.find_award_window() is not None
        driver.click(driver.main_widgets[ESCI], answers)
        try:
            status = program.wait(timeout=HANG_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure(f"Esci (the award window {'shown' if award_shown else 'hidden'}) did not end the "
                          "program within 10 s; open: "
                          + ", ".join(t for _, t in driver.windows()))
        if status != 0:
            raise Failure(f"the program ended with status {status} after Esci (the award window "
                          f"{'shown' if award_shown else 'hidden'})")
    except (Failure, GLib.Error) as failure:
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
    print("soak: windows answered: " + ", ".join(f"{k} {v}" for k, v in driver.modals.items())
          + f"; award window moved aside {driver.award_moves} times"
          + f"; {driver.saves} saves confirmed: {driver.checked['main']} main and {driver.checked['award']} award "
          + f"reports written and checked, {driver.refused} refused with an error box")
    print(f"soak: resident memory {rss_half} KiB at half, {rss_end} KiB at the end ({growth:+d} KiB)")
    if growth > RSS_GROWTH_LIMIT_KIB:
        print(f"soak: FAILED: resident memory grew by {growth} KiB over the second half", file=sys.stderr)
        return 1
    if driver.checked["award"] == 0 and args.events >= 1000:
        print("soak: FAILED: no award report was saved and checked", file=sys.stderr)
        return 1
    print("soak: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
