#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks that every file says under which licence it is: the lines at the top of
# each file that takes a comment (scripts/licence-headers.sh --check), then the
# whole tree with `reuse lint`. Debian 12's reuse predates REUSE.toml, so for it
# the check runs on a copy of the tracked files in which REUSE.toml is written
# out as the .reuse/dep5 file that it reads.
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="reuse" scripts/install-deps.sh

status=0
scripts/licence-headers.sh --check || status=1

major=$(reuse --version | sed -n 's/^reuse \([0-9]*\)\..*/\1/p')
if [ "${major:-0}" -ge 3 ]; then
    reuse lint || status=1
    exit "$status"
fi

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git ls-files -z --cached --others --exclude-standard |
    tar --null --no-recursion -T - -cf - 2>/dev/null | tar -xf - -C "$copy"
mkdir -p "$copy/.reuse"
python3 - "$copy" <<'PY'
import pathlib
import sys
import tomllib

root = pathlib.Path(sys.argv[1])
config = tomllib.loads((root / "REUSE.toml").read_text())
out = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/", ""]
for note in config["annotations"]:
    paths = note["path"] if isinstance(note["path"], list) else [note["path"]]
    # A dep5 "*" crosses directories, as "**" does in REUSE.toml.
    out += ["Files: " + " ".join(p.replace("**", "*") for p in paths),
            "Copyright: " + note["SPDX-FileCopyrightText"],
            "License: " + note["SPDX-License-Identifier"], ""]
(root / ".reuse" / "dep5").write_text("\n".join(out))
(root / "REUSE.toml").unlink()
PY
(cd "$copy" && reuse --root . lint) || status=1
exit "$status"
