#!/usr/bin/env bash
# Times korvanta-calc --batch on a generated file of pairs (default 100000), one core.
# Usage: bench/time-batch.sh [korvanta-calc] [pairs]
set -euo pipefail

calc=${1:-build/cli/korvanta-calc}
pairs=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v pairs="$pairs" -f "$(dirname "$0")/pairs.awk" >"$work/pairs.csv"

echo "$pairs pairs, $(wc -c <"$work/pairs.csv") bytes"
status=0
/usr/bin/time -o "$work/time.txt" -f 'wall %e s, user %U s, system %S s, peak memory %M KB' \
  taskset -c 0 "$calc" --batch "$work/pairs.csv" >"$work/results.csv" || status=$?
echo "exit status $status, $(($(wc -l <"$work/results.csv") - 1)) result rows"
cat "$work/time.txt"
