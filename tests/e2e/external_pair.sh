#!/usr/bin/env bash
# Drives the real program on the X server in DISPLAY with key and mouse events from outside the
# process: waits for the input window after the splash, presses Calculate on the empty fields and
# closes the message, types the standard external pair, presses Enter on Calculate, compares the output
# window with a reference picture, clicks the note button beside the TIF row and closes the note, and
# leaves with Exit Program, which must end the process with status 0. It runs with or without a window
# manager.
#
# Usage: external_pair.sh PROGRAM REFERENCE_PNG WORK_DIR
# With KORVANTA_E2E_RECORD=1 the output window's picture is written to REFERENCE_PNG instead.
set -euo pipefail

program=$1
reference=$2
work=$3
mkdir -p "$work"
shot=$work/external_pair_output.png
difference=$work/external_pair_difference.png

# Pixels that may differ by more than the colour tolerance: none, a single changed digit is a few dozen.
readonly allowed_pixels=0
source "$(dirname "${BASH_SOURCE[0]}")/walk_helpers.sh"

# The settings of this walk only: a units choice made by hand before must not turn it metric.
XDG_CONFIG_HOME=$(mktemp -d "$work/config.XXXXXX")
export XDG_CONFIG_HOME

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The splash has no title: the input window's title shows once the splash gives way.
input=$(window_named Korvanta) || fail "the input window did not appear"
[[ -n $input ]] || fail "the input window did not appear"

# Calculate on the empty window: a modal message box, also titled "Korvanta", asks for the pinion's
# teeth; Enter closes it and the caret is back in the pinion's tooth count.
keys_to "$input" key --delay 50 alt+c
box=$(message_box_over "$input")
[[ -n $box ]] || fail "Calculate on empty fields showed no message"
keys_to "$box" key --delay 50 Return
for _ in $(seq $((wait_seconds * 10))); do
  xdotool search --onlyvisible --name '^Korvanta$' | grep -qvx "$input" || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Korvanta$' | grep -qvx "$input" && fail "Enter did not close the message"

# The caret starts in the pinion's tooth count; each field selects its text on entry, so typing
# replaces the estimates and the default pressure and helix angles. The gear-type choice lies between
# the two outside diameters in tab order. The last Tab reaches Calculate, which Enter presses.
keys_to "$input" type --delay 50 "20	40	10	20	0	2.2		4.2	3	"
keys_to "$input" key --delay 50 Return

output=$(window_named "Korvanta Output Data") || fail "the output window did not appear"
[[ -n $output ]] || fail "the output window did not appear"
settled_shot "$output"

if [[ ${KORVANTA_E2E_RECORD:-0} == 1 ]]; then
  cp "$shot" "$reference"
  echo "Recorded $reference"
else
  differing=$(compare -metric AE -fuzz 10% "$reference" "$shot" "$difference" 2>&1) ||
    [[ $differing =~ ^[0-9]+$ ]] || fail "the output window's picture cannot be compared: $differing"
  ((differing <= allowed_pixels)) ||
    fail "$differing pixels of the output window differ from $reference (see $shot and $difference)"
fi

# The note button beside the TIF row, clicked with the mouse through the frame drawn round the table,
# opens the form-diameter note; its Close button gives the output window back.
xdotool "$focus_command" --sync "$output"
xdotool mousemove --window "$output" 262 367 click 1
note=$(window_named "Involute Form Diameter Info") || fail "a click on the note button opened no note"
[[ -n $note ]] || fail "a click on the note button opened no note"
keys_to "$note" key --delay 50 alt+c
gone "Involute Form Diameter Info" || fail "the note did not close"

keys_to "$output" key --delay 50 alt+x
ended_well "$pid"
trap - EXIT
echo "The external pair went through the real program"
