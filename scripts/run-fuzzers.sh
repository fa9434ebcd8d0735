#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Runs each fuzzer of a -DVELLACOR_FUZZ=ON build for the given seconds,
# starting from a copy of its seed corpus; fails on the first crash.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz} seconds=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in read_number calculate; do
  mkdir -p "$work/$name"
  cp tests/fuzz/corpus/"$name"/* "$work/$name/"
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/$name" 2>"$work/log" ||
    { tail -40 "$work/log"; exit 1; }
  echo "fuzz_$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/log")"
done
