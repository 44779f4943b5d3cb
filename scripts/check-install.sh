#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A classroom machine's install, checked: installs the built package with apt,
# as a teacher does, starts the installed program under a virtual X server,
# waits for its window's caption and closes the window as a user would. The
# package stays installed.
#   scripts/check-install.sh [path of the .deb]
set -euo pipefail
cd "$(dirname "$0")/.."

CAPTION="Quen's Bridging Demo"
deb=${1:-build/package/bridging-demo_$(dpkg-parsechangelog -S Version)_$(dpkg --print-architecture).deb}
[ -f "$deb" ] || { echo "check-install: no $deb: run make package first" >&2; exit 1; }

BRIDGING_EXTRA_PACKAGES="xdotool python3-xlib" scripts/install-deps.sh
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "check-install: apt-get install ./$deb"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "./$deb" >/dev/null
for f in /usr/bin/bridging-demo /usr/share/applications/bridging-demo.desktop \
    /usr/share/metainfo/bridging-demo.metainfo.xml /usr/share/man/man1/bridging-demo.1.gz \
    /usr/share/doc/bridging-demo/teaching.md /usr/share/doc/bridging-demo/copyright; do
    [ -e "$f" ] || { echo "check-install: the package did not install $f" >&2; exit 1; }
done

work=$(mktemp -d)
server_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

# Started from a directory of its own, so nothing of the checkout is at hand.
(cd "$work" && exec /usr/bin/bridging-demo) >"$work/program.log" 2>&1 &
program_pid=$!
started=$(date +%s%N)
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
done
if [ -z "$window" ]; then
    echo "check-install: the installed program's window never appeared" >&2
    cat "$work/program.log" >&2
    exit 1
fi
echo "check-install: \"$CAPTION\" appeared after $((($(date +%s%N) - started) / 1000000)) ms"

scripts/window-client.py close "$window"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "check-install: the program did not end when its window was closed" >&2
    exit 1
fi
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || { echo "check-install: the program ended with status $status" >&2; exit 1; }
echo "check-install: closed cleanly"
