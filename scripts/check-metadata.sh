#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates what desktops and software centres read about the program: the
# desktop entry and the AppStream metainfo that the package installs.
#
# The component id is the desktop entry's name: the program has no domain of
# its own to build a reverse domain name from, so that one warning counts as
# information here.
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="appstream desktop-file-utils" scripts/install-deps.sh
desktop-file-validate packaging/bridging-demo.desktop
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    packaging/bridging-demo.metainfo.xml
