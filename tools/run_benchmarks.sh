#!/usr/bin/env bash
# Runs every benchmark program of an optimised build.
set -euo pipefail
build=${1:-build/bench}
shopt -s nullglob
programs=("$build"/tests/bench/*_benchmarks)
if [ ${#programs[@]} -eq 0 ]; then
  echo "no benchmarks built"
  exit 0
fi
# Model libraries write their debug logs into the working directory.
cd "$build/tests/bench"
for program in "${programs[@]}"; do
  echo "== $(basename "$program")"
  "./$(basename "$program")" --benchmark_counters_tabular=true
done
