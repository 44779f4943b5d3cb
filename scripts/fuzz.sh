#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang in build/fuzz (the main gcc builds are
# untouched) and runs each for FUZZ_SECONDS seconds, starting from the seeds in
# fuzz/seeds and keeping what it finds in build/fuzz/corpus. A crash stops the
# run with its input saved under build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/install-deps.sh

seconds=${FUZZ_SECONDS:-60}
build=build/fuzz
targets=(value_fuzz port_table_fuzz session_fuzz network_file_fuzz)

CXX=clang++ cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRIDGING_FUZZ=ON -DBRIDGING_GUI=OFF -DBRIDGING_BENCH=OFF >/dev/null
mkdir -p "$build/artifacts" "$build/logs"
if ! cmake --build "$build" -j 2 --target "${targets[@]}" >"$build/logs/build.log" 2>&1; then
  cat "$build/logs/build.log"
  exit 1
fi
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" "$corpus" "fuzz/seeds/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; its input is in $build/artifacts" >&2
    exit 1
  fi
  # The last progress line (coverage, corpus, executions per second) and the totals.
  grep -E '^#[0-9]+' "$log" | tail -n 1
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
done
