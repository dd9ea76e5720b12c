#!/usr/bin/env bash
# Times korvanta-calc --batch on a generated file of pairs (default 100000), one core.
# Usage: bench/time-batch.sh [korvanta-calc] [pairs]
set -euo pipefail

calc=${1:-build/cli/korvanta-calc}
pairs=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# External and internal pairs, spur and helical, with tooth counts, pitches and angles that vary from
# row to row; diameters and center distance left to the estimates.
awk -v pairs="$pairs" 'BEGIN {
  print "type,nt1,nt2,dp,pa,ha,od1,od2,cd"
  for (i = 0; i < pairs; i++) {
    nt1 = 12 + i % 29
    nt2 = nt1 + 20 + i % 53
    dp = 4 + (i % 17) * 0.5
    pa = (i % 3 == 0) ? "14.5" : (i % 3 == 1) ? "20" : "25"
    ha = (i % 4 == 0) ? "15" : ""
    type = (i % 5 == 0) ? "internal" : "external"
    printf "%s,%d,%d,%s,%s,%s,,,\n", type, nt1, nt2, dp, pa, ha
  }
}' >"$work/pairs.csv"

echo "$pairs pairs, $(wc -c <"$work/pairs.csv") bytes"
status=0
/usr/bin/time -o "$work/time.txt" -f 'wall %e s, user %U s, system %S s, peak memory %M KB' \
  taskset -c 0 "$calc" --batch "$work/pairs.csv" >"$work/results.csv" || status=$?
echo "exit status $status, $(($(wc -l <"$work/results.csv") - 1)) result rows"
cat "$work/time.txt"
