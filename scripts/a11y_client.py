# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the running window through the accessibility bus as a screen reader
would, prints the tree and the events heard, and fails when a name or an event
a listener needs is missing. What the program says without moving the focus
shows as a notification in its status bar, the words in the notification's
label: heard here as an "announcement". Run by scripts/a11y-check.sh."""
import os
import sys
import time

import pyatspi
from gi.repository import GLib

# The lesson's spoken lines (an arrival, a new root, a bridge blocking) are
# required unless this is set to 0.
EXPECT_LOG = os.environ.get("BRIDGING_A11Y_EXPECT_LOG", "1") == "1"

events = []
problems = []


def announcement(event):
    """The words of a notification that shows, or None."""
    if not event.type.startswith("object:state-changed:showing") or event.detail1 != 1:
        return None
    try:
        if event.source.getRole() != pyatspi.ROLE_NOTIFICATION or event.source.childCount < 1:
            return None
        return event.source.getChildAtIndex(0).name
    except Exception:
        return None


def on_event(event):
    said = announcement(event)
    if said is not None:
        events.append(("announcement", "", said))
        return
    try:
        source = event.source.name if event.source else ""
    except Exception:  # an element gone before its event was read
        source = "?"
    data = event.any_data
    try:
        if hasattr(data, "name"):
            data = data.name
    except Exception:
        data = "?"
    events.append((event.type, source, str(data)))


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(acc):
    yield acc
    for child in children(acc):
        yield from walk(child)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find(root, predicate):
    for acc in walk(root):
        if predicate(acc):
            return acc
    return None


def dump(acc, depth=0):
    states = acc.getState()
    marks = [name for name, state in (("checked", pyatspi.STATE_CHECKED),
                                      ("showing", pyatspi.STATE_SHOWING))
             if states.contains(state)]
    extent = ""
    if acc.getRoleName() == "image":
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        extent = f" at {box.x},{box.y} {box.width}x{box.height}"
    print("  " * depth + f"[{acc.getRoleName()}] {acc.name!r} {','.join(marks)}{extent}")
    for child in children(acc):
        dump(child, depth + 1)


def wait(seconds, until=None):
    """Runs the main loop so that events arrive, until `until` holds or time is up."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        if until is not None and until():
            return True
        time.sleep(0.05)
    return until is None


def act(acc, action):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    raise RuntimeError(f"{acc.name!r} has no action {action}")


def expect(condition, what):
    print(("ok    " if condition else "MISSING ") + what)
    if not condition:
        problems.append(what)


def heard(kind, text):
    return any(e[0].startswith(kind) and text in (e[1] + " " + e[2]) for e in events)


def spoken_since(start, *texts):
    """Whether an announcement since event `start` holds every one of `texts`."""
    return any(e[0] == "announcement" and all(t in e[2] for t in texts) for e in events[start:])


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "bridging" in (app.name or "").lower():
            return app
    return None


def press_keys(app, keys):
    # Keys go to the focused window: give a button of the window the focus first.
    button = find(app, lambda a: a.name in ("Pause", "Resume"))
    button.queryComponent().grabFocus()
    wait(0.3)
    os.system(f"xdotool key {keys}")
    wait(0.5)


def names_now(app):
    return [a.name for a in walk(app) if showing(a)]


def tick_boxes(app):
    """Ticks Learning and Forwarding as a screen reader ticks them, through the
    accessible toggle, and expects them to stay ticked."""
    for name in ("Learning", "Forwarding"):
        box = find(app, lambda a, name=name: a.name == name)
        if not box.getState().contains(pyatspi.STATE_CHECKED):
            act(box, "Toggle")
        wait(1)
        expect(box.getState().contains(pyatspi.STATE_CHECKED),
               f"the accessible toggle of {name} stays ticked")


def main():
    app = None
    for _ in range(100):
        app = find_app()
        if app is not None:
            break
        time.sleep(0.1)
    if app is None:
        print("the window never appeared on the accessibility bus")
        return 1
    for kind in ("object:text-changed:insert", "object:property-change:accessible-name",
                 "object:state-changed", "object:children-changed"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    wait(0.5)

    print("== One Bridge: a frame from A to C")
    press_keys(app, "ctrl+1")
    letter_c = find(app, lambda a: a.name.startswith("Station C,") and showing(a))
    expect(letter_c is not None, "station C's letter button is named by station and role")
    act(letter_c, "Toggle")
    expect(wait(2, lambda: letter_c.name == "Station C, the destination"
                and letter_c.getState().contains(pyatspi.STATE_CHECKED)),
           "the accessible toggle makes station C the destination (checked)")
    # The bridge passes frames on only with both boxes ticked.
    tick_boxes(app)
    act(find(app, lambda a: a.name == "Send from station A"), "Press")
    expect(wait(3, lambda: any(n.startswith("Frame C:A, from A to C, moving") for n in names_now(app))),
           "a frame from A to C is a child of the window")
    print("-- tree with the frame under way")
    dump(app)
    expect(heard("object:children-changed:add", ""), "children added as the frame appeared")
    expect(wait(30, lambda: heard("object:property-change:accessible-name",
                                  "Station C, the destination, a frame has arrived")),
           "station C's name says a frame has arrived")
    expect(wait(10, lambda: not any(n.startswith("Frame ") for n in names_now(app))),
           "no frame left in the tree once it has arrived")
    expect(heard("object:children-changed:remove", ""), "children removed as the frame went")
    expect(heard("object:property-change:accessible-name", "learned A"),
           "a port's row name says what the bridge learned")
    if EXPECT_LOG:
        expect(heard("announcement", "reaches station C"),
               "the frame reaching station C is announced")

    print("== Two Bridges: a spanning-tree round")
    press_keys(app, "ctrl+2")
    roots = [a for a in walk(app) if a.name.endswith(": send spanning-tree frames") and showing(a)]
    expect(len(roots) == 2, "two root buttons name their bridge and root")
    start = len(events)
    for root in roots:
        act(root, "Press")
        expect(wait(3, lambda: any(n.startswith("Spanning-tree frame S:") for n in names_now(app))),
               "a spanning-tree frame is a child of the window")
        print("-- tree with spanning-tree frames under way")
        dump(app)
        wait(30, lambda: not any(n.startswith("Spanning-tree frame") for n in names_now(app)))
    later = events[start:]
    expect(any(e[0].startswith("object:property-change:accessible-name") and ", root " in e[2]
               and "send spanning-tree frames" in e[2] for e in later),
           "a root button's new name is reported when its bridge takes another root")
    expect(any(e[0].startswith("object:property-change:accessible-name") and
               ("blocked" in e[2] or "blocking" in e[2]) and e[2].startswith("Port") for e in later),
           "a port row's name reports a blocked port")
    if EXPECT_LOG:
        spoken = [e[2] for e in later if e[0] == "announcement"]
        expect(any("for the root" in text for text in spoken),
               "a bridge adopting a new root is announced")
        expect(any("blocks both ports" in text for text in spoken),
               "a bridge blocking its ports is announced")
    print("-- tree after the round")
    dump(app)

    print("== Back in time")
    start = len(events)
    press_keys(app, "ctrl+comma")
    expect(wait(3, lambda: spoken_since(start, "Back at tick")),
           "a move back in time is spoken")
    # A reader reads a spin box's value as the text it shows, a slider's as a number.
    timeline = find(app, lambda a: a.name == "Timeline" and
                    a.getRole() == pyatspi.ROLE_SPIN_BUTTON)
    expect(timeline is not None, "the timeline is a spin button named Timeline")
    if timeline is not None:
        value = timeline.queryValue()
        text = lambda: timeline.queryText().getText(0, -1)
        print(f"   timeline value {value.currentValue} of {value.maximumValue}:", text())
        expect(wait(3, lambda: text().startswith("tick ") and " of " in text()),
               "the timeline's text reads tick N of M")
    press_keys(app, "ctrl+End")
    expect(wait(3, lambda: spoken_since(start, "Back to now")),
           "the return to now is spoken")

    print("== Predict, then watch: a question before the bridge decides")
    press_keys(app, "ctrl+1")
    if find(app, lambda a: a.name == "Resume" and showing(a)) is not None:
        press_keys(app, "ctrl+p")  # going back paused the window
    start = len(events)
    press_keys(app, "F3")
    expect(wait(3, lambda: spoken_since(start, "Predict on")),
           "switching predict mode on is spoken")
    tick_boxes(app)
    letter_c = find(app, lambda a: a.name.startswith("Station C,") and showing(a))
    if letter_c is not None and not letter_c.getState().contains(pyatspi.STATE_CHECKED):
        act(letter_c, "Toggle")
    act(find(app, lambda a: a.name == "Send from station A"), "Press")
    expect(wait(15, lambda: spoken_since(start, "is about to receive C:A", " 2: ")),
           "the question and its numbered answers are spoken")
    answers = [a for a in walk(app) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(a)
               and a.name[:1] in "1234" and a.name[1:3] == "  "]
    expect(3 <= len(answers) <= 4, "the answers are three or four buttons named by key and text")
    expect(find(app, lambda a: a.name == "Resume" and showing(a)) is not None,
           "the question paused the window: the Pause button reads Resume")
    start = len(events)
    os.system("xdotool key 2")  # wherever the focus is in the window
    expect(wait(3, lambda: spoken_since(start, "Right.") or spoken_since(start, "Not quite")),
           "key 2 answers, and the result is spoken")

    print("== A lesson, from the keyboard")
    start = len(events)
    press_keys(app, "F3")  # predict mode off again: the lesson asks its own questions
    press_keys(app, "F4")
    expect(wait(3, lambda: spoken_since(start, "choose a lesson")),
           "opening the lessons is spoken")
    # A list is named by its label, and its text is its current entry.
    lessons = find(app, lambda a: a.name == "Lessons" and
                   a.getRole() == pyatspi.ROLE_COMBO_BOX and showing(a))
    expect(lessons is not None and
           lessons.queryText().getText(0, -1) == "Learning and filtering",
           "the lessons are a list named Lessons, its first entry chosen")
    act(find(app, lambda a: a.name == "Start" and showing(a)), "Press")
    expect(wait(3, lambda: spoken_since(start, "Step 1 of 6: Make C the destination")),
           "the lesson's first step is spoken when it begins")
    send_a = find(app, lambda a: a.name == "Send from station A")
    expect(send_a is not None and send_a.description.endswith(". The lesson asks you to press this."),
           "the control a step asks for says so in its description")
    act(find(app, lambda a: a.name == "Show me" and showing(a)), "Press")
    expect(wait(15, lambda: spoken_since(start, "is about to receive C:A")),
           "the step's question is spoken, with predict mode off")
    os.system("xdotool key 2")
    expect(wait(15, lambda: spoken_since(start, "Step 1 of 6 done")),
           "the step is spoken as done")

    print(f"== {len(events)} events heard")
    for event in events:
        print("  ", *event)
    if problems:
        print(f"FAILED: {len(problems)} missing")
        return 1
    print("all names and events present")
    return 0


if __name__ == "__main__":
    sys.exit(main())
