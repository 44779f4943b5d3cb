#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Smoke test of the real window: the sanitizer build of the program on a virtual
# X server, driven for a while by random clicks over its controls and elements,
# key presses, pastes and typing into the scenario list, and answers to its
# message boxes (scripts/window-client.py does the driving). Its event loop is
# pinged all the while and must answer within 2 s; at the end the window is
# closed as a user would, with LeakSanitizer on. Fails on a crash, a sanitizer
# report, a hang or a leak, and prints how many actions it made.
#
# With SMOKE_READER=1 the run has a session bus and the accessibility bus, and a
# screen reader (scripts/screen-reader.py) reads every change the program
# announces and walks its tree meanwhile; a read that goes unanswered fails too.
#
#   scripts/smoke-window.sh                          # 60 s, a fresh seed
#   SMOKE_SECONDS=20 SMOKE_SEED=1234 scripts/smoke-window.sh
#   SMOKE_DISPLAY=83 scripts/smoke-window.sh         # on :83 rather than the first free one
#   SMOKE_READER=1 scripts/smoke-window.sh           # with a screen reader on the bus
#   SMOKE_KEEP=/tmp/smoke scripts/smoke-window.sh    # keeps the logs in /tmp/smoke
set -euo pipefail
cd "$(dirname "$0")/.."

READER=${SMOKE_READER:-0}
if [ "$READER" = 1 ] && [ -z "${SMOKE_SESSION_BUS:-}" ]; then
    BRIDGING_EXTRA_PACKAGES="at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi dbus dbus-x11" \
        scripts/install-deps.sh
    # The whole run in a session bus of its own, which ends with it.
    exec dbus-run-session -- env SMOKE_SESSION_BUS=1 "$0" "$@" \
        2> >(grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" -e "^dbus-daemon\[" >&2)
fi

DURATION=${SMOKE_SECONDS:-60}
SEED=${SMOKE_SEED:-$(($(date +%s) % 100000))}
CAPTION="Quen's Bridging Demo"
PROGRAM=build/sanitize/app/bridging-demo

work=$(mktemp -d)
server_pid=""
program_pid=""
reader_pid=""
cleanup() {
    [ -n "$reader_pid" ] && kill "$reader_pid" 2>/dev/null || true
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    [ -n "${SMOKE_KEEP:-}" ] && cp -r "$work" "$SMOKE_KEEP" 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT

BRIDGING_EXTRA_PACKAGES="xdotool xclip python3-xlib" scripts/install-deps.sh
if ! { cmake --preset sanitize && cmake --build --preset sanitize -j 2 --target bridging-demo; } \
    >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi

fail() {
    echo "smoke-window: $*" >&2
    for log in "$work"/program.log "$work"/reader.log "$work"/sanitizer.*; do
        [ -s "$log" ] && { echo "--- $log"; tail -n 60 "$log"; } >&2
    done
    # Said again last, where a tail of the output still shows it.
    echo "smoke-window: $*; replay with SMOKE_SEED=$SEED" >&2
    exit 1
}

if [ -n "${SMOKE_DISPLAY:-}" ]; then
    Xvfb ":$SMOKE_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
    echo "$SMOKE_DISPLAY" >"$work/display"
    sleep 1
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
fi
server_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

# Reports go to files of their own, so that nothing in the program's output can
# hide one.
export ASAN_OPTIONS="detect_leaks=1:log_path=$work/sanitizer"
export UBSAN_OPTIONS="print_stacktrace=1:log_path=$work/sanitizer"
if [ "$READER" = 1 ]; then
    # Asking the session bus for the accessibility bus starts it, as a desktop does.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.05
    done
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # Debian's Qt keeps no frame pointers: only the slow unwinder sees past its
    # first frame to the names that the suppression below picks out. It unwinds
    # on every allocation, so only as deep as that name lies: at thirty frames it
    # kept the program busy enough to answer a ping only after 1.7 s.
    export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0:malloc_context_size=16"
    # Only Qt's own accessibility bridge is forgiven its leak at exit.
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-qt-atspi.supp:print_suppressions=0"
fi
"$PROGRAM" >"$work/program.log" 2>&1 &
program_pid=$!

main=""
for _ in $(seq 600); do
    main=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1 || true)
    [ -n "$main" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.05
done
[ -n "$main" ] || fail "the window never appeared"
if [ "$READER" = 1 ]; then
    scripts/screen-reader.py >"$work/reader.log" 2>&1 &
    reader_pid=$!
    # The reader is listening before the user begins, as one is when a student
    # sits down; its start is not what this test is about.
    for _ in $(seq 600); do
        grep -q '^screen-reader: listening' "$work/reader.log" && break
        kill -0 "$reader_pid" 2>/dev/null || fail "the screen reader ended before it listened"
        sleep 0.1
    done
    grep -q '^screen-reader: listening' "$work/reader.log" ||
        fail "the screen reader was not listening after 60 s"
fi

echo "smoke-window: seed $SEED, ${DURATION} s on display $DISPLAY"
if ! scripts/window-client.py drive "$main" "$DURATION" "$SEED"; then
    kill -0 "$program_pid" 2>/dev/null || fail "the program crashed"
    fail "the window stopped answering"
fi
if [ -n "$reader_pid" ]; then
    kill -TERM "$reader_pid" 2>/dev/null || true
    # A read waits at most the bus's 25 s for its answer; then the reader stops.
    for _ in $(seq 600); do kill -0 "$reader_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$reader_pid" 2>/dev/null && fail "the screen reader did not stop within 60 s"
    reader_status=0
    wait "$reader_pid" || reader_status=$?
    reader_pid=""
    grep '^screen-reader:' "$work/reader.log" || true
    [ "$reader_status" -eq 0 ] || fail "the screen reader failed (status $reader_status)"
fi

# A leak or another report makes the exit status nonzero and leaves a log.
scripts/window-client.py close "$main" || fail "the window did not close when asked"
status=""
for _ in $(seq 600); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        status=0
        wait "$program_pid" || status=$?
        break
    fi
    sleep 0.1
done
[ -n "$status" ] || fail "the program did not end when its window was closed"
program_pid=""
if compgen -G "$work/sanitizer.*" >/dev/null; then
    fail "a sanitizer reported (exit status $status)"
fi
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "smoke-window: closed cleanly, no sanitizer report"
