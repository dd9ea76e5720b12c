#!/usr/bin/env bash
# Times, in one run and each pinned to one core, korvanta-calc --batch (CSV out) and the minimal
# program of the same rows (bench/minimal_pair_batch.cpp) on a generated file of pairs (default
# 100000), and gives the ratio of their CPU times (user + system, in milliseconds). The two programs
# run by turns, so that a change in the machine's load falls on both; the best run of each counts
# (default 11 runs each).
# Usage: bench/compare-batch.sh [build folder] [pairs] [runs]
set -euo pipefail

build=${1:-build}
pairs=${2:-100000}
runs=${3:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v pairs="$pairs" -f "$(dirname "$0")/pairs.awk" >"$work/pairs.csv"

# The CPU time in milliseconds of one run of the command: bash's own timing, which counts in
# milliseconds.
cpu_milliseconds() {
  local TIMEFORMAT='%3U %3S'
  local times
  times=$({ time taskset -c 0 "$@" >"$work/out.csv"; } 2>&1)
  awk -v t="$times" 'BEGIN { split(t, part, " "); printf "%d", (part[1] + part[2]) * 1000 + 0.5 }'
}

best_batch=""
best_minimal=""
for _ in $(seq "$runs"); do
  batch=$(cpu_milliseconds "$build/cli/korvanta-calc" --batch "$work/pairs.csv")
  minimal=$(cpu_milliseconds "$build/bench/minimal_pair_batch" "$work/pairs.csv")
  if [[ -z $best_batch ]] || ((batch < best_batch)); then best_batch=$batch; fi
  if [[ -z $best_minimal ]] || ((minimal < best_minimal)); then best_minimal=$minimal; fi
done
echo "$pairs pairs, best of $runs runs each: korvanta-calc --batch $best_batch ms of CPU," \
  "the minimal program $best_minimal ms"
awk -v a="$best_batch" -v b="$best_minimal" 'BEGIN { printf "ratio %.2f (the aim: at most 1.50)\n", a / b }'
