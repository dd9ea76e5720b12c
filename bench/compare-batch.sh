#!/usr/bin/env bash
# Times, in one run and each pinned to one core, korvanta-calc --batch (CSV out) and the minimal
# program of the same rows (bench/minimal_pair_batch.cpp) on a generated file of pairs (default
# 100000), and gives the ratio of their CPU times (user + system), best of three runs each.
# Usage: bench/compare-batch.sh [build folder] [pairs]
set -euo pipefail

build=${1:-build}
pairs=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v pairs="$pairs" -f "$(dirname "$0")/pairs.awk" >"$work/pairs.csv"

# The best CPU time in seconds of three runs of the command.
cpu_seconds() {
  local best=""
  for _ in 1 2 3; do
    /usr/bin/time -o "$work/time.txt" -f '%U %S' taskset -c 0 "$@" >"$work/out.csv"
    local seconds
    seconds=$(awk '{ printf "%.3f", $1 + $2 }' "$work/time.txt")
    if [[ -z $best ]] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$seconds
    fi
  done
  echo "$best"
}

batch=$(cpu_seconds "$build/cli/korvanta-calc" --batch "$work/pairs.csv")
minimal=$(cpu_seconds "$build/bench/minimal_pair_batch" "$work/pairs.csv")
echo "$pairs pairs: korvanta-calc --batch $batch s of CPU, the minimal program $minimal s"
awk -v a="$batch" -v b="$minimal" 'BEGIN { printf "ratio %.2f (the aim: at most 1.50)\n", a / b }'
