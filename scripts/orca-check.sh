#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the window with a real screen reader: Orca with its default settings
# reads the program in a virtual X server while a blind student's keys go
# through the first lesson and its question (F4, Start, F8 to each control the
# step asks for, the answer by key, Ctrl+P). Fails, saying why, when Orca did
# not speak the step, the question, two of its answers, the result, the
# frame reaching its station or the pause, or when it logged "bad content sent
# to speak" (a change it was given as an object it cannot say).
#
# Everything runs private to one run directory and is stopped by its PID: the
# X server, a window manager (without one the window never becomes active, and
# Orca reads only the active window), a session bus, the accessibility bus,
# and a speech-dispatcher whose only voice writes each utterance to a file (a
# machine without a sound card would block the stock one, and Orca with it).
# Orca sometimes stops handling events a few seconds after it starts; a key it
# does not echo shows it, and the run is tried once more, saying so.
#
#   scripts/orca-check.sh                        # the build of PRESET (dev)
#   scripts/orca-check.sh path/to/bridging-demo
#   ORCA_OUT=/tmp/orca scripts/orca-check.sh     # keeps the runs there
#   KEY_GAP=2 scripts/orca-check.sh              # seconds between keys (1.3)
set -uo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="orca xvfb xdotool openbox speech-dispatcher at-spi2-core python3-pyatspi dbus dbus-x11 procps" \
    scripts/install-deps.sh || exit 1

program="${1:-build/${PRESET:-dev}/app/bridging-demo}"
if [ ! -x "$program" ]; then
    cmake --preset "${PRESET:-dev}" >/dev/null || exit 1
    cmake --build --preset "${PRESET:-dev}" -j "$(nproc)" --target bridging-demo || exit 1
fi
program="$(realpath "$program")"
OUT=$(realpath -m "${ORCA_OUT:-build/orca-check}")
KEY_GAP=${KEY_GAP:-1.3}
CAPTION="Quen's Bridging Demo"
HERE=$(pwd)
mkdir -p "$OUT"

say() { echo "[orca-check] $*" >&2; }

# One run of the session in $RUN. Exits 0 when everything was spoken, 1 with
# the reasons when something was not, 2 when Orca stopped handling events.
session() {
    RUN=$1
    mkdir -p "$RUN/home" "$RUN/rt" "$RUN/sdconf/modules"
    chmod 700 "$RUN/rt"
    SYN=$RUN/synth.txt DBG=$RUN/orca-debug.log EV=$RUN/keys.tsv
    : > "$SYN"; : > "$EV"
    PIDS=()

    started() { PIDS+=("$1:$2"); disown "$2" 2>/dev/null; }
    descendants() { local c; for c in $(ps -o pid= --ppid "$1" 2>/dev/null); do echo "$c"; descendants "$c"; done; }
    stop_pid() { # NAME PID SECONDS: SIGTERM, a wait, then SIGKILL; its children too
        local name=$1 pid=$2 wait=$3 kids i
        kill -0 "$pid" 2>/dev/null || return 0
        kids=$(descendants "$pid")
        kill "$pid" 2>/dev/null
        for i in $(seq $((wait * 10))); do
            kill -0 "$pid" 2>/dev/null || break
            # Orca runs its handler of SIGTERM only when an event wakes it.
            [ "$name" = orca ] && [ $((i % 20)) = 5 ] && xdotool key shift 2>/dev/null
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
        for i in $kids; do kill "$i" 2>/dev/null; done
        return 0
    }
    teardown() {
        local i entry
        trap - EXIT INT TERM
        # Orca first, while the program is there to answer it; it writes the rest
        # of its log on SIGTERM.
        for ((i=${#PIDS[@]}-1; i>=0; i--)); do
            entry=${PIDS[$i]}
            [ "${entry%%:*}" = orca ] && stop_pid orca "${entry#*:}" 15
        done
        for ((i=${#PIDS[@]}-1; i>=0; i--)); do
            entry=${PIDS[$i]}
            stop_pid "${entry%%:*}" "${entry#*:}" 5
        done
    }
    trap teardown EXIT
    trap 'exit 130' INT TERM

    export HOME=$RUN/home XDG_RUNTIME_DIR=$RUN/rt
    unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    exec 5> "$RUN/display"
    Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp > "$RUN/xvfb.log" 2>&1 &
    started xvfb $!
    exec 5>&-
    for _ in $(seq 100); do [ -s "$RUN/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -1 "$RUN/display")
    for _ in $(seq 50); do xdotool getdisplaygeometry > /dev/null 2>&1 && break; sleep 0.2; done

    dbus-daemon --session --nofork --print-address 6 6> "$RUN/bus" > "$RUN/dbus.log" 2>&1 &
    started dbus $!
    for _ in $(seq 50); do [ -s "$RUN/bus" ] && break; sleep 0.1; done
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$RUN/bus")
    /usr/libexec/at-spi-bus-launcher --launch-immediately > "$RUN/atspi.log" 2>&1 &
    started atspi $!

    echo "default_driver=null" > "$HOME/.libao"
    cat > "$RUN/sdconf/speechd.conf" <<EOC
LogLevel 3
AudioOutputMethod "libao"
DefaultModule recorder
AddModule "recorder" "sd_generic" "recorder.conf"
EOC
    cat > "$RUN/sdconf/modules/recorder.conf" <<EOC
GenericExecuteSynth "printf '%s\\\\t%s\\\\n' \\"\$(date +%H:%M:%S.%N)\\" \\'\$DATA\\' >> $SYN"
AddVoice "en" "MALE1" "en"
DefaultVoice "en"
GenericLanguage "en" "en" "utf-8"
EOC
    speech-dispatcher -s -t 0 -C "$RUN/sdconf" -c unix_socket -S "$RUN/speechd.sock" \
        -P "$RUN/speechd.pid" > "$RUN/speechd.log" 2>&1 &
    started speechd $!
    export SPEECHD_ADDRESS=unix_socket:$RUN/speechd.sock
    for _ in $(seq 50); do [ -S "$RUN/speechd.sock" ] && break; sleep 0.1; done
    openbox > "$RUN/wm.log" 2>&1 &
    started wm $!
    sleep 1

    # Orca's one change from its defaults: a debug log written line by line, so
    # that nothing it spoke is lost if it has to be killed.
    mkdir -p "$HOME/.local/share/orca"
    cat > "$HOME/.local/share/orca/orca-customizations.py" <<'EOC'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
EOC
    export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/bin/orca --debug-file "$DBG" > "$RUN/orca.out" 2>&1 &
    started orca $!
    for _ in $(seq 100); do grep -q "Screen reader on" "$SYN" && break; sleep 0.2; done
    grep -q "Screen reader on" "$SYN" || { say "Orca did not start speaking (see $RUN/orca.out)"; return 2; }

    "$program" > "$RUN/app.log" 2>&1 &
    started app $!
    local wid
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$CAPTION\$" | head -1)
    [ -n "$wid" ] || { say "the program's window never appeared"; return 1; }
    for _ in $(seq 50); do grep -q "$CAPTION frame" "$SYN" && break; sleep 0.2; done
    grep -q "$CAPTION frame" "$SYN" || { xdotool windowactivate --sync "$wid"; sleep 2; }
    sleep 3

    heard_since() { tail -n +$(($1 + 1)) "$SYN" | cut -f2- | grep -qiE -- "$2"; }
    # A key as a student presses it, then time to hear the answer. Orca echoes
    # every key: a key it does not echo means it no longer handles events.
    key() {
        local before i
        before=$(wc -l < "$SYN")
        printf '%s\tKEY\t%s\n' "$(date +%H:%M:%S.%6N)" "$1" >> "$EV"
        xdotool key "$1"
        for i in $(seq 30); do heard_since "$before" . && break; sleep 0.1; done
        heard_since "$before" . || { say "Orca did not echo the key $1"; exit 2; }
        sleep "${2:-$KEY_GAP}"
    }
    # Listens up to SECONDS for speech matching REGEX.
    listen() {
        local i
        for i in $(seq $(($1 * 5))); do heard_since 0 "$2" && return 0; sleep 0.2; done
        return 1
    }
    tab_until() { # KEY REGEX MOST: KEY until Orca says REGEX
        local i before
        for i in $(seq "$3"); do
            before=$(wc -l < "$SYN")
            key "$1"
            heard_since "$before" "$2" && return 0
        done
        return 1
    }

    key F4 2
    tab_until Tab '^Start' 4 || say "Tab never reached Start"
    key Return 2
    listen 10 'Step 1 of 6: Make C' || say "the step was not heard within 10 s"
    key F8
    key space 2
    key F8
    key space 1
    listen 40 'What will it do' || say "no question within 40 s"
    key 2 1
    # The result and the next step take the reader a while: the frame's
    # arrival waits until it is done.
    listen 40 'reaches station C' || say "no arrival within 40 s"
    key ctrl+p 3
    return 0
}

# Checks what Orca spoke in the run in $1; prints the reasons of a failure.
verdict() {
    local run=$1 spoken=$1/spoken.txt failed=0
    /usr/bin/python3 "$HERE/scripts/orca_spoken.py" "$run/orca-debug.log" "$run/keys.tsv" > "$spoken" ||
        { echo "Orca's debug log could not be read"; return 1; }
    need() {
        grep -qE -- "$2" <(grep -F '  SAY  ' "$spoken") && return 0
        echo "FAILED: $1 was not spoken (nothing matched \"$2\")"
        failed=1
    }
    need "the lesson's first step" 'Step 1 of 6: Make C the destination'
    need "the question" 'is about to receive C:A .*What will it do\?'
    need "its first answer" 'What will it do\?.* 1: [A-Z]'
    need "its second answer" 'What will it do\?.* 2: [A-Z]'
    need "how to answer" 'Answer with a number key from 1 to'
    need "the result" '(Right\.|Not quite: the answer is) '
    need "the step done" 'Step 1 of 6 done'
    need "the frame reaching station C" 'reaches station C'
    need "the pause" 'Paused: the frames stand still'
    if grep -q "bad content sent to speak" "$run/orca-debug.log"; then
        echo "FAILED: Orca logged \"bad content sent to speak\":"
        grep -A1 "bad content sent to speak" "$run/orca-debug.log" | head -6
        failed=1
    fi
    return $failed
}

for attempt in 1 2; do
    run=$OUT/run-$attempt
    rm -rf "$run"
    ( session "$run" )
    status=$?
    if [ "$status" = 2 ]; then
        last=$(grep -E '^[0-9:.]+ - ' "$run/orca-debug.log" 2>/dev/null | tail -1 | cut -c1-160)
        if [ "$attempt" = 1 ]; then
            say "Orca stopped handling events in the first run (its log ends: ${last:-nothing}); trying once more"
            continue
        fi
        say "FAILED: Orca stopped handling events in both runs (its log ends: ${last:-nothing}); see $run"
        exit 1
    fi
    [ "$status" = 0 ] || { say "FAILED: the session could not run; see $run"; exit 1; }
    if reasons=$(verdict "$run"); then
        said=$(grep -c '  SAY  ' "$run/spoken.txt")
        say "Orca spoke $said utterances; the step, the question and its answers, the result, the arrival and the pause among them ($run/spoken.txt)"
        say "OK"
        exit 0
    fi
    echo "$reasons" >&2
    say "what Orca spoke is in $run/spoken.txt, its debug log in $run/orca-debug.log"
    exit 1
done
