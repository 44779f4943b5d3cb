#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the program from outside, on a virtual X server, against bare Qt
# windows of the same size and caption (tools/bare_window.cpp): the time from
# start to the window being mapped, peak memory, CPU over a stretch with no
# frames and over a stretch of "Full Network" with frames moving, and, with
# CALLGRIND=1, the instructions that one tick of the moving window costs. The
# runs of the programs alternate, so that a busy machine burdens all alike.
# Each figure is printed as the median with its range and the ratio
# program / bare window. The program is driven only by clicks and keys at its
# widgets' pixel positions.
#
#   scripts/measure-window.sh                     # 7 rounds of 30 s stretches
#   RUNS=3 SECONDS_EACH=10 scripts/measure-window.sh
#   BEFORE=/path/to/other/bridging-demo scripts/measure-window.sh   # two builds side by side
#   CALLGRIND=1 scripts/measure-window.sh         # instructions per tick, 20 s each
#   FIGURES_DIR=/some/dir scripts/measure-window.sh   # keeps every run's figures there
#   PREDICT=1 scripts/measure-window.sh           # the look-ahead's cost, see below
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-7}
SECONDS_EACH=${SECONDS_EACH:-30}
CALLGRIND=${CALLGRIND:-0}
CALLGRIND_SECONDS=${CALLGRIND_SECONDS:-20}
BEFORE=${BEFORE:-}
PREDICT=${PREDICT:-0}
CAPTION="Quen's Bridging Demo"

work=$(mktemp -d)
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

BRIDGING_EXTRA_PACKAGES="xdotool time" scripts/install-deps.sh
if ! { cmake --preset release &&
    cmake --build --preset release -j 2 --target bridging-demo bare-window; } \
    >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi
PROGRAM=build/release/app/bridging-demo
BARE=build/release/tools/bare-window

# A server of our own on the first free display; -displayfd reports which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

now_ns() { date +%s%N; }

# Prints the window id once a window with the caption is mapped.
wait_for_window() {
    local tries=${1:-400}
    for _ in $(seq "$tries"); do
        local id
        id=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.025
    done
    echo "the window never appeared" >&2
    return 1
}

# CPU milliseconds (user + system) that a process has used so far.
hz=$(getconf CLK_TCK)
cpu_ms() { awk -v hz="$hz" '{print int(1000 * ($14 + $15) / hz)}' "/proc/$1/stat"; }
peak_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# Appends a figure to the file named after what it measures.
record() { echo "$2" >>"$work/figure.$1"; }

# --- Start-up: from exec to the server's MapNotify of the top-level window ---
# A reader blocked on the server's event stream stamps the MapNotify as it
# arrives, so nothing polls while the program starts.
startup_ms() {
    local stamp="$work/mapped" events="$work/events"
    rm -f "$stamp" "$events"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    local watcher=$!
    while IFS= read -r line; do
        case $line in MapNotify*) now_ns >"$stamp"; break ;; esac
    done <"$events" &
    local reader=$!
    sleep 1  # for xev to have selected the events
    local start
    start=$(now_ns)
    "$@" 2>/dev/null &
    local app=$!
    for _ in $(seq 200); do [ -s "$stamp" ] && break; sleep 0.05; done
    kill "$app" "$watcher" "$reader" 2>/dev/null || true
    wait "$app" "$watcher" "$reader" 2>/dev/null || true
    [ -s "$stamp" ] || { echo "$1: the window was never mapped" >&2; exit 1; }
    echo $(( ($(cat "$stamp") - start) / 1000000 ))
}

# Starts a program, waits for its window and sets `app` and the client area's X and Y.
launch() {
    "$@" 2>/dev/null &
    app=$!
    window=$(wait_for_window "${WAIT_TRIES:-400}")
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
}
at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
stop() { kill "$app"; wait "$app" 2>/dev/null || true; }

# "Full Network" typed into the scenario list's text field.
full_network() {
    at 100 32
    xdotool key ctrl+a
    xdotool type --delay 30 "Full Network"
    sleep 0.5
}

# Frames sent round the stations one after another (one click every two
# seconds), so that a few are always on their way and the pool of sixteen is
# never used up.
sends=("260 216" "672 216" "260 608" "696 608" "496 412" "772 56")
drive() {
    local until=$1 i=0
    while [ "$(now_ns)" -lt "$until" ]; do
        # shellcheck disable=SC2086
        at ${sends[$((i % ${#sends[@]}))]}
        i=$((i + 1))
        sleep 2
    done
}

# With PREDICT=1 the one build runs twice, the lesson panel shown in both: as
# it is, and looking ahead before every tick for a stop that never comes (the
# pool running out), which is the work predict mode adds while no question is due.
with_panel() { xdotool key F2; sleep 0.5; }
with_lookahead() {
    with_panel
    at 1150 325  # the panel's "Stop before" list
    sleep 0.5
    xdotool key End Return
    sleep 0.5
}
prepare() {
    case $1 in
        panel) with_panel ;;
        lookahead) with_lookahead ;;
    esac
}

# CPU of `app` over SECONDS_EACH while `what` runs (sleep or drive).
cpu_over() {
    local before began
    before=$(cpu_ms "$app")
    began=$(now_ns)
    "$@" $((began + SECONDS_EACH * 1000000000))
    echo $(( $(cpu_ms "$app") - before ))
}
sleep_until() { while [ "$(now_ns)" -lt "$1" ]; do sleep 0.2; done; }

# One run of a build of the program: idle with the timer running and no frame,
# then "Full Network" with frames moving; peak memory at the end.
measure_program() {
    local name=$1 program=$2
    launch "$program"
    prepare "$name"
    record "$name.idle" "$(cpu_over sleep_until)"
    full_network
    record "$name.moving" "$(cpu_over drive)"
    boxes=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | wc -l)
    [ "$boxes" -le 1 ] || echo "warning: a message box was open during the measurement" >&2
    record "$name.rss" "$(peak_mb "$app")"
    stop
}

measure_bare() {
    launch "$BARE"
    record bare.idle "$(cpu_over sleep_until)"
    record bare.rss "$(peak_mb "$app")"
    stop
    launch "$BARE" --repaint
    record bare.moving "$(cpu_over sleep_until)"
    stop
    launch "$BARE" --text
    record bare-text.rss "$(peak_mb "$app")"
    stop
}

programs=(program)
[ -n "$BEFORE" ] && programs=(before program)
[ "$PREDICT" = 1 ] && programs=(panel lookahead)
path_of() { if [ "$1" = before ]; then echo "$BEFORE"; else echo "$PROGRAM"; fi; }

median_of() { sort -n "$1" | awk '{ v[++n] = $1 } END { print n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }'; }

# Median, range and, given a floor, the ratio of the medians.
summary() {
    local file="$work/figure.$1" floor_file="$work/figure.${2:-none}" unit=$3 label=$4 floor=""
    [ -s "$floor_file" ] && floor=$(median_of "$floor_file")
    sort -n "$file" | awk -v unit="$unit" -v label="$label" -v floor="$floor" '
        { v[++n] = $1 }
        END {
            m = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            line = sprintf("  %-36s median %8.1f %s  (range %.1f to %.1f, %d runs)", label, m,
                           unit, v[1], v[n], n)
            if (floor != "" && floor > 0) line = line sprintf("  ratio %.2f", m / floor)
            else if (floor != "") line = line "  (floor is 0)"
            print line
        }'
}

if [ "$CALLGRIND" = 1 ]; then
    # Instructions of the whole process over a stretch of moving frames,
    # divided by the ticks (or, for the bare window, the repaints) in it.
    BRIDGING_EXTRA_PACKAGES="valgrind" scripts/install-deps.sh
    calls_of() {  # total calls of the functions whose names contain $2, in dump $1
        awk -v want="$2" '
            /^c?fn=\([0-9]+\)/ {
                match($0, /\([0-9]+\)/); id = substr($0, RSTART, RLENGTH)
                rest = substr($0, RSTART + RLENGTH)
                sub(/^ /, "", rest)
                if (rest != "") name[id] = rest
                if ($0 ~ /^cfn=/) callee = name[id]
                next
            }
            /^calls=/ { split(substr($0, 7), c, " "); if (index(callee, want)) total += c[1] }
            END { print total + 0 }' "$1"
    }
    total_ir() { awk '/^summary:|^totals:/ {print $2; exit}' "$1"; }
    instructions_per() {  # name, function whose calls count, command...
        local name=$1 counted=$2
        shift 2
        rm -f "$work"/callgrind.out.*
        WAIT_TRIES=4000
        valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out.%p" "$@" 2>/dev/null &
        app=$!
        window=$(wait_for_window 4000)
        sleep 5
        eval "$(xdotool getwindowgeometry --shell "$window")"
        if [ "$name" != bare ]; then
            prepare "$name"
            full_network
        fi
        callgrind_control -z "$app" >/dev/null  # counts from here on
        local began
        began=$(now_ns)
        if [ "$name" = bare ]; then
            sleep_until $((began + CALLGRIND_SECONDS * 1000000000))
        else
            drive $((began + CALLGRIND_SECONDS * 1000000000))
        fi
        callgrind_control -d "$app" >/dev/null
        sleep 2
        stop
        local dump
        # The dump of the stretch, not the one written when the program ended.
        dump=$(ls "$work"/callgrind.out.*.1 | head -n1)
        local ir calls
        ir=$(total_ir "$dump")
        calls=$(calls_of "$dump" "$counted")
        echo "  $name: $ir instructions in $calls calls of $counted: $(( ir / (calls > 0 ? calls : 1) )) per call"
        cp "$dump" "${CALLGRIND_KEEP:-$work}/callgrind.$name" 2>/dev/null || true
    }
    echo "instructions per tick (callgrind, ${CALLGRIND_SECONDS} s, the whole process):"
    for name in "${programs[@]}"; do
        instructions_per "$name" "MainWindow::onTick" "$(path_of "$name")"
    done
    instructions_per bare "QWidget::paintEvent" "$BARE" --repaint
    exit 0
fi

for run in $(seq "$RUNS"); do
    for name in "${programs[@]}"; do record "$name.startup" "$(startup_ms "$(path_of "$name")")"; done
    record bare.startup "$(startup_ms "$BARE")"
    record bare-text.startup "$(startup_ms "$BARE" --text)"
    echo "round $run of $RUNS: start-ups done" >&2
done
for run in $(seq "$RUNS"); do
    for name in "${programs[@]}"; do measure_program "$name" "$(path_of "$name")"; done
    measure_bare
    echo "round $run of $RUNS: CPU and memory done" >&2
done

[ -n "${FIGURES_DIR:-}" ] && cp "$work"/figure.* "$FIGURES_DIR"/
echo "bare window: $BARE; ${SECONDS_EACH} s stretches"
for name in "${programs[@]}"; do
    echo "$name: $(path_of "$name")"
    summary "$name.startup" bare.startup ms "start-up to mapped, vs bare"
    summary "$name.startup" bare-text.startup ms "start-up to mapped, vs bare text"
    summary "$name.idle" bare.idle ms "CPU idle (no frame), vs bare idle"
    summary "$name.moving" bare.moving ms "CPU moving, vs bare repainting"
    summary "$name.rss" bare-text.rss MB "peak RSS, vs bare text"
done
if [ "$PREDICT" = 1 ]; then
    echo "looking ahead against not:"
    summary lookahead.moving panel.moving ms "CPU moving, vs the panel alone"
    summary lookahead.idle panel.idle ms "CPU idle, vs the panel alone"
fi
echo "bare windows:"
summary bare.startup "" ms "start-up to mapped"
summary bare-text.startup "" ms "start-up to mapped, with text"
summary bare.idle "" ms "CPU idle"
summary bare.moving "" ms "CPU repainting at 10 Hz"
summary bare.rss "" MB "peak RSS"
summary bare-text.rss "" MB "peak RSS, with text"
