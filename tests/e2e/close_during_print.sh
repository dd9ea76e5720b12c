#!/usr/bin/env bash
# The output window closed by the window manager while its print status shows, in the real program
# under a window manager: the standard external pair, Print with no printer, Yes to saving the page as
# a PDF, a file name typed into the file dialog, and Alt+F4 (the window manager's close) on the output
# window while "Printing form, one moment please..." shows. The page must be saved whole, the output
# window gone, the status over, and the program still answering: File › Exit in the input window ends
# it with status 0.
#
# Usage: close_during_print.sh PROGRAM WORK_DIR
set -euo pipefail

program=$1
work=$2
mkdir -p "$work"
shot=$work/close_during_print.png
source "$(dirname "${BASH_SOURCE[0]}")/walk_helpers.sh"
[[ $focus_command == windowactivate ]] || fail "this walk needs a window manager"

XDG_CONFIG_HOME=$(mktemp -d "$work/config.XXXXXX")
export XDG_CONFIG_HOME
pdf=$work/page.pdf
rm -f "$pdf"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

input=$(window_named Korvanta) || fail "the input window did not appear"
[[ -n $input ]] || fail "the input window did not appear"
keys_to "$input" type --delay 50 "20	40	10	20	0	2.2		4.2	3	"
keys_to "$input" key --delay 50 Return
output=$(window_named "Korvanta Output Data") || fail "the output window did not appear"
[[ -n $output ]] || fail "the output window did not appear"

# No printer here: the program asks whether to save the page as a PDF (Yes is the default).
keys_to "$output" key --delay 50 alt+p
question=$(message_box_over "$input")
[[ -n $question ]] || fail "Print without a printer asked nothing"
keys_to "$question" key --delay 50 Return

chooser=$(window_named "Save Page as PDF") || fail "no file dialog"
[[ -n $chooser ]] || fail "no file dialog"
keys_to "$chooser" key --delay 20 ctrl+a
keys_to "$chooser" type --delay 20 "$pdf"
keys_to "$chooser" key --delay 50 Return

status=$(window_named Status) || fail "no status after the page was saved"
[[ -n $status ]] || fail "no status after the page was saved"
keys_to "$output" key --delay 50 alt+F4
gone "Korvanta Output Data" || fail "the window manager's close did not close the output window"
xdotool search --onlyvisible --name '^Status$' >/dev/null || fail "the output window closed only after its status"
kill -0 "$pid" 2>/dev/null || fail "the program ended when the output window closed during its status"
gone Status || fail "the status did not go"

[[ -s $pdf ]] || fail "no PDF was saved"
[[ $(head -c 5 "$pdf") == "%PDF-" ]] || fail "the saved file is no PDF"
tail -c 1024 "$pdf" | grep -q '%%EOF' || fail "the saved PDF is cut short"

# Still answering: the input window takes the File menu again.
keys_to "$input" key --delay 100 alt+f x
ended_well "$pid"
trap - EXIT
echo "The output window closed during its print status, and the program went on"
