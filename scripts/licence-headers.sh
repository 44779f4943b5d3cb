#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the copyright and licence lines at the top of every tracked file that can
# carry a comment and lacks them, in that file's own comment syntax and below a
# shebang or an XML declaration. What cannot carry a comment (pictures, fuzz
# seeds, JSON, the Debian changelog) is covered by REUSE.toml instead. Running it
# again changes nothing.
#
#   scripts/licence-headers.sh           # adds the lines where they are missing
#   scripts/licence-headers.sh --check   # lists the files without them, exits 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."

# The lines themselves, which reuse must not take for this script's own.
# REUSE-IgnoreStart
COPYRIGHT="SPDX-FileCopyrightText: 2026 The Bridging Demo developers"
LICENCE="SPDX-License-Identifier: GPL-3.0-or-later"
# AppStream asks for metadata that anyone may copy; the metainfo says so itself.
METADATA_LICENCE="SPDX-License-Identifier: CC0-1.0"
# REUSE-IgnoreEnd

check=0
case "${1:-}" in
--check) check=1 ;;
"") ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

# Prints how a comment line opens and closes in the file, separated by a tab, or
# nothing when the file takes no comment (REUSE.toml covers those).
comment_of() {
    local path=$1 name=${1##*/}
    case "$name" in
    *.cpp | *.h | *.hpp | *.cc) printf '// \t' ;;
    *.sh | *.py | *.cmake | CMakeLists.txt | Makefile | *.mk | rules | control | *.desktop | \
        *.toml | *.yml | *.yaml | *.supp | *.docs | *.install | *.manpages | .gitignore | \
        .clang-format | .clang-tidy | *.lintian-overrides) printf '# \t' ;;
    *.xml | *.svg | *.md | *.html) printf '<!-- \t -->' ;;
    *.[1-8]) printf '.\\" \t' ;;
    *) if [ "$(head -c 2 "$path" | tr -d '\000')" = "#!" ]; then printf '# \t'; fi ;;
    esac
}

# The licence of the file's own text.
licence_of() {
    case "$1" in
    *.metainfo.xml) echo "$METADATA_LICENCE" ;;
    *) echo "$LICENCE" ;;
    esac
}

lacking=()
while IFS= read -r -d '' path; do
    [ -f "$path" ] && [ ! -L "$path" ] || continue
    comment=$(comment_of "$path")
    [ -n "$comment" ] || continue
    open=${comment%%$'\t'*}
    close=${comment#*$'\t'}
    licence=$(licence_of "$path")
    top=$(head -n 12 "$path")
    want=()
    grep -qF "SPDX-FileCopyrightText:" <<<"$top" || want+=("$COPYRIGHT")
    grep -qF "SPDX-License-Identifier:" <<<"$top" || want+=("$licence")
    [ ${#want[@]} -gt 0 ] || continue
    lacking+=("$path")
    [ "$check" -eq 0 ] || continue

    block=""
    for line in "${want[@]}"; do block+="$open$line$close"$'\n'; done
    # A blank line sets the lines apart from what the file says about itself,
    # except in a manual page, where a blank line is vertical space.
    case "$path" in *.[1-8]) ;; *) block+=$'\n' ;; esac
    first=$(head -n 1 "$path")
    {
        case "$first" in
        '#!'* | '<?xml'*)
            printf '%s\n' "$first"
            printf '%s' "$block"
            tail -n +2 "$path"
            ;;
        *)
            printf '%s' "$block"
            cat "$path"
            ;;
        esac
    } >"$path.licence-headers"
    chmod --reference="$path" "$path.licence-headers"
    mv "$path.licence-headers" "$path"
done < <(git ls-files -z --cached --others --exclude-standard)

if [ "$check" -eq 1 ]; then
    if [ ${#lacking[@]} -gt 0 ]; then
        echo "without the copyright and licence lines (scripts/licence-headers.sh adds them):"
        printf '  %s\n' "${lacking[@]}"
        exit 1
    fi
    echo "licence-headers: every file that takes a comment carries the lines"
    exit 0
fi
echo "licence-headers: ${#lacking[@]} files given the lines"
