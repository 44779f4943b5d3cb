#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca spoke during scripts/orca-check.sh: every utterance it handed to
speech (its debug log's "SPEECH OUTPUT:" entries) as a SAY row, merged in time
with the keys the check pressed (KEY rows), one row each:
"HH:MM:SS.mmm  KIND  text". An utterance that held a newline shows it as a
return sign.

    orca_spoken.py ORCA_DEBUG_LOG KEYS_TSV > spoken.txt
"""
import re
import sys

STAMP = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - (.*)$")
SPEECH = re.compile(r"^SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(\{.*\})?\s*$", re.S)


def utterances(path):
    entries, current = [], None
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            line = line.rstrip("\n")
            stamped = STAMP.match(line)
            if stamped:
                if current:
                    entries.append(current)
                body = stamped.group(2)
                current = [stamped.group(1), body] if body.startswith("SPEECH OUTPUT:") else None
            elif current is not None and not SPEECH.match(current[1]):
                current[1] += "\n" + line
    if current:
        entries.append(current)
    rows = []
    for time, body in entries:
        said = SPEECH.match(body)
        text = said.group(1) if said else body[len("SPEECH OUTPUT: "):]
        rows.append((time, "SAY", text.replace("\n", " \u23ce ").rstrip()))
    return rows


def keys(path):
    rows = []
    with open(path, encoding="utf-8") as pressed:
        for line in pressed:
            parts = line.rstrip("\n").split("\t", 2)
            if len(parts) == 3:
                rows.append(tuple(parts))
    return rows


def main():
    log, pressed = sys.argv[1:3]
    for time, kind, text in sorted(utterances(log) + keys(pressed), key=lambda row: row[0]):
        print(f"{time[:12]}  {kind:<4}  {text}")


if __name__ == "__main__":
    main()
