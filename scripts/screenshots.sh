#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the real window under Xvfb, one per built-in network, into
# docs/screenshots/. Each network is chosen by typing its name into the scenario
# list; then learning and forwarding are switched on, station C is made the
# destination and station A sends, and the picture is taken while the frame is
# on its way. BRIDGING_DEMO names the program (default: a dev build of it).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside-display" ]; then
  BRIDGING_EXTRA_PACKAGES="xdotool imagemagick" scripts/install-deps.sh
  if [ -z "${BRIDGING_DEMO:-}" ]; then
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j 2 --target bridging-demo >/dev/null
    export BRIDGING_DEMO=build/dev/app/bridging-demo
  fi
  mkdir -p docs/screenshots
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" --inside-display
fi

# Window coordinates are pixels: the window's twips divided by 15.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

"$BRIDGING_DEMO" &
demo=$!
trap 'kill "$demo" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name "Bridging Demo" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1

# name, file, and the centres of station A's Send button and station C's letter
# button in that network.
shots=(
  "One Bridge|one-bridge|327 216|326 568"
  "Two Bridges|two-bridges|327 216|326 568"
  "Two Manual|two-manual|327 216|326 568"
  "Four Bridges|four-bridges|260 216|259 572"
  "Full Network|full-network|260 216|259 572"
)
for shot in "${shots[@]}"; do
  IFS='|' read -r name file sendA letterC <<<"$shot"
  click 110 32
  xdotool key --window "$window" ctrl+a BackSpace
  xdotool type --window "$window" --delay 30 "$name"
  sleep 0.5
  click 30 312   # Learning
  click 30 344   # Forwarding
  # shellcheck disable=SC2086
  click $letterC
  # shellcheck disable=SC2086
  click $sendA
  sleep 2.2
  import -window "$window" "docs/screenshots/$file.png"
  echo "docs/screenshots/$file.png"
  click 66 168   # Reset: no frame is left for the next network
done
