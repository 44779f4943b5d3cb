#!/usr/bin/env bash
# Measures the program from outside, on a virtual X server: the time from start
# to its window being mapped, its peak memory, and its CPU use over a stretch of
# "Full Network" with frames moving against the same stretch paused. The program
# is driven only by clicks and keys at its widgets' pixel positions.
#
#   scripts/measure-window.sh            # 5 start-ups, 30 s moving, 30 s paused
#   RUNS=3 SECONDS_EACH=10 scripts/measure-window.sh
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-5}
SECONDS_EACH=${SECONDS_EACH:-30}
CAPTION="Quen's Bridging Demo"

work=$(mktemp -d)
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

BRIDGING_EXTRA_PACKAGES="xdotool time" scripts/install-deps.sh
if ! { cmake --preset release && cmake --build --preset release -j 2 --target bridging-demo; } \
    >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi
PROGRAM=build/release/app/bridging-demo

# A server of our own on the first free display; -displayfd reports which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

now_ns() { date +%s%N; }

# Prints the window id once a window with the caption is mapped.
wait_for_window() {
    for _ in $(seq 400); do
        local id
        id=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.025
    done
    echo "the window never appeared" >&2
    return 1
}

# CPU seconds (user + system) that a process has used so far.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# --- Start-up: from exec to the server's MapNotify of the top-level window ---
# A reader blocked on the server's event stream stamps the MapNotify as it
# arrives, so nothing polls while the program starts.
startup_ms=()
for run in $(seq "$RUNS"); do
    stamp="$work/mapped.$run"
    events="$work/events.$run"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    watcher=$!
    while IFS= read -r line; do
        case $line in MapNotify*) now_ns >"$stamp"; break ;; esac
    done <"$events" &
    reader=$!
    sleep 1  # for xev to have selected the events
    start=$(now_ns)
    "$PROGRAM" 2>/dev/null &
    app=$!
    for _ in $(seq 200); do [ -s "$stamp" ] && break; sleep 0.05; done
    kill "$app" "$watcher" "$reader" 2>/dev/null || true
    wait "$app" "$watcher" "$reader" 2>/dev/null || true
    [ -s "$stamp" ] || { echo "run $run: the window was never mapped" >&2; exit 1; }
    startup_ms+=("$(( ($(cat "$stamp") - start) / 1000000 ))")
done
sorted=$(printf '%s\n' "${startup_ms[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (RUNS + 1) / 2 ))p")
echo "start-up to window mapped: median ${median} ms over ${RUNS} runs (all: ${startup_ms[*]} ms)"

# --- Peak memory and CPU, in one run under /usr/bin/time ---
/usr/bin/time -v -o "$work/time" "$PROGRAM" 2>/dev/null &
timer=$!
window=$(wait_for_window)
sleep 1
app=$(pgrep -P "$timer" -x bridging-demo)
eval "$(xdotool getwindowgeometry --shell "$window")"  # X and Y of the client area
at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

# The scenario typed into the list's text field, then frames sent round the
# stations one after another (one click every two seconds), so that a few are
# always on their way and the pool of sixteen is never used up.
at 100 32
xdotool key ctrl+a
xdotool type --delay 30 "Full Network"
sleep 0.5
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

hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$app")
began=$(now_ns)
drive $((began + SECONDS_EACH * 1000000000))
moving_ticks=$(( $(cpu_ticks "$app") - before ))
moving_ns=$(( $(now_ns) - began ))

at 66 72  # Pause
sleep 0.5
before=$(cpu_ticks "$app")
began=$(now_ns)
sleep "$SECONDS_EACH"
paused_ticks=$(( $(cpu_ticks "$app") - before ))
paused_ns=$(( $(now_ns) - began ))

boxes=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | wc -l)
vmhwm=$(awk '/VmHWM/ {print $2}' "/proc/$app/status")
kill "$app"
wait "$timer" 2>/dev/null || true
peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")

awk -v mt="$moving_ticks" -v mn="$moving_ns" -v pt="$paused_ticks" -v pn="$paused_ns" -v hz="$hz" '
BEGIN {
    moving = 100 * mt / hz / (mn / 1e9)
    paused = 100 * pt / hz / (pn / 1e9)
    printf "CPU, Full Network with frames moving: %.2f %% of one core (%d ms in %.1f s)\n", moving, 1000 * mt / hz, mn / 1e9
    printf "CPU, the same window paused:          %.2f %% of one core (%d ms in %.1f s)\n", paused, 1000 * pt / hz, pn / 1e9
    if (pt > 0) printf "moving / paused: %.1f\n", mt / (mn / 1e9) / (pt / (pn / 1e9))
    else printf "moving / paused: no CPU at all while paused\n"
}'
echo "peak memory: $((peak_kb / 1024)) MB max RSS (/usr/bin/time), VmHWM $((vmhwm / 1024)) MB"
[ "$boxes" -le 1 ] || echo "warning: a message box was open during the measurement" >&2
