#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The screen reader of the window smoke test (scripts/smoke-window.sh with
SMOKE_READER=1). It listens on the accessibility bus to what the program says
has changed and reads each event's source as a screen reader does before it
speaks (name, role, states, text and children), and every few seconds walks
and reads the program's whole tree. It runs until SIGTERM, then prints what it
read; on the way it says on standard error when it found the program, began
listening ("screen-reader: listening", which the smoke test waits for) and
stopped.

    screen-reader.py [SECONDS_BETWEEN_WALKS]

Exits 1 when the program never appeared on the bus, nothing was read, or a read
went unanswered (the program took the call but never replied): an element gone
before its event was read is counted, as a screen reader meets that every day.
"""
import collections
import signal
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = ("object:children-changed", "object:property-change:accessible-name",
          "object:text-changed", "object:state-changed", "focus:")
# Events wait here to be read. libatspi lets events in while a call waits for its
# answer, so the handler only queues them and the main loop reads them one at a
# time. An element that changes again before it was read is read once, and when
# reading falls this far behind the oldest are dropped unread, as a screen reader
# skips what is no longer news.
BACKLOG = 2000
# What a call that got no answer says, as against one to an element now gone.
UNANSWERED = ("NoReply", "Timeout", "timed out", "Timeout was reached")


class Reader:
    def __init__(self, app):
        self.app = app
        self.heard = 0
        self.dropped = 0
        self.coalesced = 0
        self.queue = collections.OrderedDict()
        self.busy = False
        self.keys = 0
        self.read = 0
        self.gone = 0
        self.unanswered = []
        self.elements = 0
        self.walks = 0
        self.slowest_read = 0.0
        self.slowest_walk = 0.0

    def failed(self, error):
        text = str(error)
        if any(mark in text for mark in UNANSWERED):
            self.unanswered.append(text)
        else:
            self.gone += 1

    def read_one(self, acc, with_children=True):
        """Reads what a screen reader speaks of an element; returns False when
        it went away meanwhile."""
        try:
            _ = acc.name
            _ = acc.getRoleName()
            _ = acc.getState().getStates()
            try:
                text = acc.queryText()
            except NotImplementedError:
                text = None
            if text is not None:
                text.getText(0, text.characterCount)
            if with_children:
                for i in range(acc.childCount):
                    child = acc.getChildAtIndex(i)
                    if child is not None:
                        _ = child.name
                        _ = child.getRoleName()
            self.elements += 1
            return True
        except Exception as error:  # noqa: BLE001 - any failed call counts
            self.failed(error)
            return False

    def on_key(self, event):
        # Heard, as a screen reader hears keys to echo them; never consumed.
        self.keys += 1
        return False

    def on_event(self, event):
        self.heard += 1
        if event.source is None:
            return
        if event.source in self.queue:
            self.queue.move_to_end(event.source)
            self.coalesced += 1
            return
        if len(self.queue) >= BACKLOG:
            self.queue.popitem(last=False)
            self.dropped += 1
        self.queue[event.source] = None

    def read_queued(self):
        if self.busy:
            return True
        self.busy = True
        try:
            end = time.monotonic() + 0.2
            while self.queue and time.monotonic() < end:
                source, _ = self.queue.popitem(last=False)
                started = time.monotonic()
                if self.read_one(source):
                    self.read += 1
                self.slowest_read = max(self.slowest_read, time.monotonic() - started)
        finally:
            self.busy = False
        return True

    def walk(self):
        if self.busy:
            return True
        self.busy = True
        try:
            self.walk_tree()
        finally:
            self.busy = False
        return True

    def walk_tree(self):
        started = time.monotonic()
        pending = [self.app]
        while pending:
            acc = pending.pop()
            if not self.read_one(acc, with_children=False):
                continue
            try:
                for i in range(acc.childCount):
                    child = acc.getChildAtIndex(i)
                    if child is not None:
                        pending.append(child)
            except Exception as error:  # noqa: BLE001
                self.failed(error)
        self.walks += 1
        self.slowest_walk = max(self.slowest_walk, time.monotonic() - started)


def find_app(seconds, stopping):
    end = time.monotonic() + seconds
    while time.monotonic() < end and not stopping:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and "bridging" in (app.name or "").lower():
                    return app
            except Exception:  # noqa: BLE001 - another client that went away
                continue
        time.sleep(0.2)
        # A SIGTERM that came meanwhile is dispatched here.
        while GLib.MainContext.default().iteration(False):
            pass
    return None


def progress(started, what):
    print(f"screen-reader: {what} after {time.monotonic() - started:.1f} s",
          file=sys.stderr, flush=True)


def main():
    between = float(sys.argv[1]) if len(sys.argv) > 1 else 3.0
    started = time.monotonic()
    # Taken first, so that a SIGTERM never ends the reader unheard: one that comes
    # while a call waits for its answer is dispatched once the call returns.
    stopping = []

    def stop():
        stopping.append(True)
        try:
            pyatspi.Registry.stop()
        except Exception:  # noqa: BLE001 - not listening yet
            pass
        return False

    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, stop)
    app = find_app(30, stopping)
    if app is None:
        print("screen-reader: the program never appeared on the accessibility bus "
              f"in {time.monotonic() - started:.1f} s", flush=True)
        return 1
    progress(started, "found the program")
    reader = Reader(app)
    pyatspi.Registry.registerEventListener(reader.on_event, *EVENTS)
    pyatspi.Registry.registerKeystrokeListener(
        reader.on_key, mask=pyatspi.allModifiers(),
        kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT))
    GLib.timeout_add(int(between * 1000), reader.walk)
    GLib.timeout_add(10, reader.read_queued)
    progress(started, "listening")
    reader.walk()
    progress(started, "first walk done")
    while GLib.MainContext.default().iteration(False):
        pass
    if not stopping:
        pyatspi.Registry.start()
    progress(started, "stopped")

    print(f"screen-reader: {reader.heard} events heard, {reader.read} sources read "
          f"({reader.coalesced} events on an element still waiting to be read, "
          f"{reader.dropped} dropped unread, {len(reader.queue)} left; {reader.gone} elements "
          f"gone before they were read), {reader.walks} walks "
          f"of the tree; {reader.elements} elements read in all, {reader.keys} keys heard; "
          f"slowest read "
          f"{reader.slowest_read * 1000:.0f} ms, slowest walk {reader.slowest_walk * 1000:.0f} ms",
          flush=True)
    if reader.unanswered:
        print(f"screen-reader: {len(reader.unanswered)} reads went unanswered, the first: "
              f"{reader.unanswered[0]}", flush=True)
        return 1
    if reader.read == 0:
        print("screen-reader: no event was read", flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
