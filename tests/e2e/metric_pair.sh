#!/usr/bin/env bash
# Drives the real program on the X server in DISPLAY as a metric user: chooses File › Metric (module,
# mm) with the keyboard, types a profile-shifted spur pair of module 3 in millimetres, presses
# Calculate and checks that the output window names millimetres, leaves with Exit Program, then starts
# the program again and checks that the input window comes up metric, and leaves with File › Exit.
# Each run must end with status 0. The output window's picture is left in WORK_DIR to look at.
#
# Usage: metric_pair.sh PROGRAM WORK_DIR
set -euo pipefail

program=$1
work=$2
mkdir -p "$work"
shot=$work/metric_pair_output.png

source "$(dirname "${BASH_SOURCE[0]}")/walk_helpers.sh"

# The settings of this walk only, kept from the first run of the program to the second.
XDG_CONFIG_HOME=$(mktemp -d "$work/config.XXXXXX")
export XDG_CONFIG_HOME

readonly metric_input='Korvanta \(mm\)'

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

input=$(window_named Korvanta) || fail "the input window did not appear"
[[ -n $input ]] || fail "the input window did not appear"
keys_to "$input" key --delay 100 alt+f m
[[ $(window_named "$metric_input") == "$input" ]] || fail "File › Metric did not turn the input window metric"

# Module 3, 12 and 24 teeth, 20°, outside diameters 44.84 and 79.40 mm, center distance 56.5 mm.
keys_to "$input" type --delay 50 "12	24	3	20	0	44.84		79.40	56.5	"
keys_to "$input" key --delay 50 Return

output=$(window_named 'Korvanta Output Data \(mm\)') || fail "no output window in millimetres"
[[ -n $output ]] || fail "no output window in millimetres"
settled_shot "$output"
keys_to "$output" key --delay 50 alt+x
ended_well "$pid"

# The next run starts metric.
"$program" &
pid=$!
input=$(window_named "$metric_input") || fail "the choice of metric did not survive a restart"
[[ -n $input ]] || fail "the choice of metric did not survive a restart"
keys_to "$input" key --delay 100 alt+f x
ended_well "$pid"
trap - EXIT
echo "The metric pair went through the real program, and the program came back metric"
