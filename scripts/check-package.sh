#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the Debian package that `make package` built: lintian must find no
# error and no warning; its informational and pedantic notes are printed too.
#   scripts/check-package.sh [path of the .deb]
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="lintian" scripts/install-deps.sh
deb=${1:-build/package/bridging-demo_$(dpkg-parsechangelog -S Version)_$(dpkg --print-architecture).deb}
[ -f "$deb" ] || { echo "check-package: no $deb: run make package first" >&2; exit 1; }

echo "check-package: lintian on $deb"
# Root is how CI runs; lintian's remark about it says nothing of the package.
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$deb" \
    2> >(grep -v "running with root privileges is not recommended" >&2)
echo "check-package: no lintian error or warning"
