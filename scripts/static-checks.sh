#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Static checks: clang-format over every tracked header and source file (nothing is
# rewritten, a difference fails), then clang-tidy with the checks of .clang-tidy over
# every tracked source file, using the compile commands of the build dir
# LINT_BUILD_DIR (build/lint by default, configured here when it is missing).
set -euo pipefail
cd "$(dirname "$0")/.."

# The fuzz targets are checked too; their data provider comes with clang's runtime.
BRIDGING_EXTRA_PACKAGES="clang-format clang-tidy libclang-rt-14-dev" scripts/install-deps.sh

build=${LINT_BUILD_DIR:-build/lint}
jobs=${LINT_JOBS:-2}
mapfile -t sources < <(git ls-files '*.h' '*.cpp')
mapfile -t units < <(git ls-files '*.cpp')

failed=0

echo "== clang-format: ${#sources[@]} files"
unformatted=()
for f in "${sources[@]}"; do
  clang-format --dry-run --Werror "$f" 2>/dev/null || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted (clang-format -i FILE to fix):\n'
  printf '  %s\n' "${unformatted[@]}"
  failed=1
fi

if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
fi
# The window's sources include the meta-object code that Qt's moc generates.
mapfile -t autogen < <(cmake --build "$build" --target help 2>/dev/null | sed -n 's/^\.\.\. \(.*_autogen\)$/\1/p')
if [ ${#autogen[@]} -gt 0 ] &&
  ! cmake --build "$build" -j "$jobs" --target "${autogen[@]}" >"$build/autogen.log" 2>&1; then
  cat "$build/autogen.log"
  exit 1
fi

echo "== clang-tidy: ${#units[@]} files"
if ! printf '%s\n' "${units[@]}" |
  xargs -P "$jobs" -n 1 clang-tidy -p "$build" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2); then
  failed=1
fi

if [ "$failed" -ne 0 ]; then
  echo "static checks failed" >&2
  exit 1
fi
echo "static checks passed"
