#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the window as a screen reader meets it: starts the program under a
# virtual display with a session bus and the accessibility bus, drives a frame
# through "One Bridge", a spanning-tree round through "Two Bridges", a move in
# time, a question of predict mode and a lesson's first step over the
# bus, prints the tree and the events heard, and fails when one is missing.
# Usage: scripts/a11y-check.sh [path of the program]; PRESET picks the build.
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi dbus dbus-x11 xdotool" \
  scripts/install-deps.sh

program="${1:-build/${PRESET:-dev}/app/bridging-demo}"
if [ ! -x "$program" ]; then
  cmake --preset "${PRESET:-dev}" >/dev/null
  cmake --build --preset "${PRESET:-dev}" -j "$(nproc)" --target bridging-demo
fi
program="$(realpath "$program")"

# A display number of its own, free of any other X server on this machine.
display=87
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

export DISPLAY=":$display"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
client="$(realpath scripts/a11y_client.py)"
dbus-run-session -- bash -c '
  set -u
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
  app=$!
  status=0
  /usr/bin/python3 "$2" || status=$?
  kill "$app" "$launcher" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  exit "$status"
' check "$program" "$client" 2> >(grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" >&2)
