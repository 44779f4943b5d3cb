#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, testing and running need, and only
# those that are missing. Runs apt-get directly as root, through sudo otherwise.
set -euo pipefail

packages=(
  build-essential cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  qt6-base-dev libgl-dev
  xvfb xauth x11-utils
  fonts-dejavu-core fonts-liberation
  valgrind
)
if [ "${BRIDGING_EXTRA_PACKAGES:-}" != "" ]; then
  read -r -a extra <<<"$BRIDGING_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
