#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A small X client for the window smoke test: it drives the program's window
like a restless user and speaks the window manager's part where none runs.

    window-client.py drive WINDOW_ID SECONDS SEED
        For SECONDS: random clicks over the control column, the elements and
        the rest of the window, key presses, pastes and typing into the scenario
        list, and answers to the program's message boxes (Return, Escape or a
        click on OK). Meanwhile the window is pinged every half second and must
        answer within 2 s, which it can only do from its event loop. Prints what
        it did; exits 1 when the window stopped answering or went away.
    window-client.py close WINDOW_ID
        Asks the window to close, as a window manager's close button does, and
        answers a message box that keeps it open; exits 1 when it is still
        there after 50 s.
"""
import random
import subprocess
import sys
import threading
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

CAPTION = "Quen's Bridging Demo"
PING_INTERVAL = 0.5
PING_LIMIT = 2.0
CLOSE_LIMIT = 50.0

# Centres of the control column (pixels in the window): the scenario list's text,
# Pause, Kill, Renumber, Reset, Learning and Forwarding.
CONTROLS = [(120, 32), (66, 72), (66, 104), (66, 136), (66, 168), (66, 312), (74, 344)]
SCENARIO_TEXT = CONTROLS[0]
FORWARDING = CONTROLS[6]
# Where the larger networks put the stations' Send and letter buttons and the
# bridges' root buttons; the smaller ones move them, and random clicks cover the
# rest of the window.
SENDS = [(260, 216), (672, 216), (260, 608), (696, 608), (496, 412), (772, 56)]
ELEMENTS = SENDS + [(247, 181), (659, 181), (247, 573), (683, 573), (483, 377), (759, 21),
                    (200, 425), (396, 337), (672, 337), (504, 533), (544, 157), (872, 361)]
KEYS = ["ctrl+p", "ctrl+period", "ctrl+Up", "ctrl+Down", "ctrl+equal", "ctrl+minus",
        "ctrl+0", "F11", "ctrl+k", "ctrl+n", "ctrl+r", "ctrl+l", "ctrl+f", "ctrl+1", "ctrl+2",
        "ctrl+3", "ctrl+4", "ctrl+5", "Return", "shift+F10", "Escape", "F2", "Tab", "Tab",
        "Tab", "shift+Tab", "space", "space", "Down", "Up"]
TEXTS = ["One Bridge", "Two Bridges", "Two Manual", "Four Bridges", "Full Network", "Two",
         "Zwei Br\u00fccken", "\u7f51\u7edc \U0001f309", "Full Network  ", "x" * 40000]
MODIFIERS = {"ctrl": "Control_L", "shift": "Shift_L"}


def send_protocol(d, window, name, stamp):
    protocols = d.intern_atom("WM_PROTOCOLS")
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols,
        data=(32, [d.intern_atom(name), stamp, window.id, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    return protocols


class Pinger(threading.Thread):
    """Pings on a connection of its own; `failure` says why it stopped early."""

    def __init__(self, window_id):
        super().__init__(daemon=True)
        self.window_id = window_id
        self.failure = None
        self.pings = 0
        self.slowest = 0.0
        self.stop = threading.Event()

    def run(self):
        d = display.Display()
        # The answer goes to whoever listens to the root window's structure.
        # Only listen: taking the redirect mask would make this client the
        # window manager, and the program's message boxes would never be mapped.
        d.screen().root.change_attributes(event_mask=X.StructureNotifyMask)
        window = d.create_resource_object("window", self.window_id)
        while not self.stop.is_set():
            stamp = self.pings + 1
            sent = time.monotonic()
            protocols = send_protocol(d, window, "_NET_WM_PING", stamp)
            while not self.answered(d, protocols, stamp):
                if time.monotonic() - sent > PING_LIMIT:
                    self.failure = (f"no answer to a ping within {PING_LIMIT:.0f} s "
                                    f"after {self.pings} answered")
                    return
                time.sleep(0.005)
            waited = time.monotonic() - sent
            self.pings += 1
            self.slowest = max(self.slowest, waited)
            self.stop.wait(max(0.0, PING_INTERVAL - waited))

    @staticmethod
    def answered(d, protocols, stamp):
        while d.pending_events():
            reply = d.next_event()
            if (reply.type == X.ClientMessage and reply.client_type == protocols
                    and reply.data[1][1] == stamp):
                return True
        return False


class User:
    def __init__(self, d, window_id, seed):
        self.d = d
        self.root = d.screen().root
        self.main = d.create_resource_object("window", window_id)
        self.random = random.Random(seed)
        self.counts = {"clicks": 0, "keys": 0, "pastes": 0, "typed": 0, "boxes": 0}

    def shown_windows(self):
        """The program's mapped top-level windows; its message boxes share the caption."""
        found = []
        for child in self.root.query_tree().children:
            try:
                if (child.get_wm_name() == CAPTION
                        and child.get_attributes().map_state == X.IsViewable):
                    found.append(child)
            except Exception:  # a window that went away while we looked
                continue
        return found

    def open_box(self):
        for window in self.shown_windows():
            if window.id != self.main.id:
                return window
        return None

    def click(self, window, x, y):
        origin = window.translate_coords(self.root, 0, 0)
        xtest.fake_input(self.d, X.MotionNotify, x=-origin.x + x, y=-origin.y + y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.sync()
        self.counts["clicks"] += 1

    def keycode(self, name):
        return self.d.keysym_to_keycode(XK.string_to_keysym(name))

    def key(self, combination, window=None):
        self.d.set_input_focus(window or self.main, X.RevertToParent, X.CurrentTime)
        *modifiers, name = combination.split("+")
        held = [self.keycode(MODIFIERS[m]) for m in modifiers]
        if len(name) == 1 and name.isupper():
            held.append(self.keycode("Shift_L"))
        for code in held:
            xtest.fake_input(self.d, X.KeyPress, code)
        code = self.keycode(name)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        for code in reversed(held):
            xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()
        self.counts["keys"] += 1

    def answer(self, box):
        way = self.random.randrange(3)
        if way == 0:
            self.key("Return", box)
        elif way == 1:
            self.key("Escape", box)
        else:
            geometry = box.get_geometry()
            self.click(box, geometry.width - 50, geometry.height - 25)
        self.counts["boxes"] += 1

    def paste(self):
        text = self.random.choice(TEXTS)
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(),
                       stderr=subprocess.DEVNULL, check=False)
        self.click(self.main, *SCENARIO_TEXT)
        if self.random.randrange(3) == 0:
            # An edit in the middle of the text rather than a whole new one.
            for name in ("End", "Left", "Left", "ctrl+v"):
                self.key(name)
        else:
            self.key("ctrl+a")
            self.key("ctrl+v")
        self.counts["pastes"] += 1

    def type_name(self):
        self.click(self.main, *SCENARIO_TEXT)
        self.key("ctrl+a")
        for character in self.random.choice(TEXTS[:6]):
            self.key("space" if character == " " else character)
            time.sleep(0.01)
        self.counts["typed"] += 1

    def storm(self):
        """The largest network, forwarding, and a few quick Sends: its loops and the
        sixteen tokens make a message box likely."""
        self.click(self.main, *SCENARIO_TEXT)
        self.key("ctrl+a")
        for character in "Full Network":
            self.key("space" if character == " " else character)
        self.click(self.main, *FORWARDING)
        for _ in range(self.random.randrange(3, 10)):
            self.click(self.main, *self.random.choice(SENDS))

    def act(self):
        box = self.open_box()
        if box is not None:
            self.answer(box)
            return
        roll = self.random.randrange(100)
        if roll < 25:
            self.click(self.main, *self.random.choice(CONTROLS))
        elif roll < 45:
            self.click(self.main, *self.random.choice(ELEMENTS))
        elif roll < 60:
            geometry = self.main.get_geometry()
            self.click(self.main, self.random.randrange(geometry.width),
                       self.random.randrange(geometry.height))
        elif roll < 90:
            self.key(self.random.choice(KEYS))
        elif roll < 95:
            self.paste()
        elif roll < 98:
            self.type_name()
        else:
            self.storm()


def drive(window_id, seconds, seed):
    d = display.Display()
    user = User(d, window_id, seed)
    pinger = Pinger(window_id)
    pinger.start()
    actions = 0
    end = time.monotonic() + seconds
    failure = None
    while time.monotonic() < end:
        if pinger.failure:
            failure = pinger.failure
            break
        if not user.shown_windows():
            failure = "the window went away"
            break
        user.act()
        actions += 1
        time.sleep(user.random.uniform(0.01, 0.08))
    pinger.stop.set()
    pinger.join(PING_LIMIT + 1)
    failure = failure or pinger.failure
    done = ", ".join(f"{count} {what}" for what, count in user.counts.items())
    print(f"window-client: {actions} actions in {seconds:.0f} s ({done}), "
          f"{actions * 60 / seconds:.0f} a minute; {pinger.pings} pings answered, "
          f"slowest {pinger.slowest * 1000:.0f} ms", flush=True)
    if failure:
        print(f"window-client: {failure} after {actions} actions", flush=True)
        return 1
    # Whatever is still open is answered, so that the window can be closed.
    for _ in range(20):
        box = user.open_box()
        if box is None:
            break
        user.key("Return", box)
        time.sleep(0.2)
    return 0


def close(window_id):
    """Asks the window to close until it has gone. A message box keeps its window
    from closing, and a key held back by the accessibility bus can still open one
    after the drive ended, so a box is answered with a click on OK, which nothing
    holds back, and the window is asked again."""
    d = display.Display()
    user = User(d, window_id, 0)
    end = time.monotonic() + CLOSE_LIMIT
    while time.monotonic() < end:
        try:
            if not user.shown_windows():
                return 0
            box = user.open_box()
            if box is not None:
                geometry = box.get_geometry()
                user.click(box, geometry.width - 50, geometry.height - 25)
            else:
                send_protocol(d, user.main, "WM_DELETE_WINDOW", X.CurrentTime)
        except Exception:  # noqa: BLE001 - a window that went away while we looked
            pass
        time.sleep(1.0)
    print(f"window-client: the window was still there {CLOSE_LIMIT:.0f} s after "
          f"it was asked to close", flush=True)
    return 1


def main():
    if len(sys.argv) >= 5 and sys.argv[1] == "drive":
        return drive(int(sys.argv[2], 0), float(sys.argv[3]), int(sys.argv[4]))
    if len(sys.argv) == 3 and sys.argv[1] == "close":
        return close(int(sys.argv[2], 0))
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
