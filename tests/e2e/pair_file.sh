#!/usr/bin/env bash
# Drives the real program on the X server in DISPLAY with a pair file: starts it with the file, presses
# Calculate and checks the output window comes up, closes it, saves the pair under a new name through
# the file dialog (the copy must equal the file byte for byte), changes a field, then File › Exit: the
# save question must come, Cancel must keep the program running, and Discard must end it with status 0.
#
# The output window's table, copied with Copy Table, must be the table `korvanta-calc --pair` gives.
#
# Usage: pair_file.sh PROGRAM CALC WORK_DIR
set -euo pipefail

program=$1
calc=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
shot=$work/pair_file_output.png

source "$(dirname "${BASH_SOURCE[0]}")/walk_helpers.sh"

XDG_CONFIG_HOME=$(mktemp -d "$work/config.XXXXXX")
export XDG_CONFIG_HOME

cat >"$work/spur.korvanta" <<'PAIR'
{
  "entries": {"cd": "4.5", "ha": "0", "nt1": "30", "nt2": "60", "od1": "3.2", "od2": "6.2", "pa": "20", "pitch": "10"},
  "format": "korvanta-pair",
  "job": {"drawing": "", "gear_part": "", "inspector": "", "note": "", "pinion_part": "", "revision": ""},
  "kind": "external",
  "measurement": {"pin1": "", "pin2": "", "span1": "", "span2": ""},
  "units": "inch",
  "version": "1.0"
}
PAIR

"$program" "$work/spur.korvanta" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

input=$(window_named 'spur\.korvanta - Korvanta') || fail "the input window did not name the file"
[[ -n $input ]] || fail "the input window did not name the file"

# From the first field to Calculate, then back from the output window.
keys_to "$input" key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Return
output=$(window_named 'Korvanta Output Data') || fail "no output window"
[[ -n $output ]] || fail "no output window"
settled_shot "$output"
keys_to "$output" key --delay 50 ctrl+shift+c
sleep 0.5
# The rows after the units and column headings, against the command's rows of the same file.
xclip -o -selection clipboard | sed -n '/^\tPINION\t/,$p' | tail -n +2 >"$work/copied.txt"
"$calc" --pair "$work/spur.korvanta" --json |
  sed -n 's/.*"caption": "\([^"]*\)", "pinion": "\([^"]*\)", "gear": "\([^"]*\)".*/\1\t\2\t\3/p' >"$work/command.txt"
[[ -s $work/command.txt ]] || fail "the command gave no rows"
diff "$work/command.txt" "$work/copied.txt" >&2 || fail "the output window's table is not the command's"
keys_to "$output" key --delay 50 alt+c
gone 'Korvanta Output Data' || fail "the output window did not close"

keys_to "$input" key --delay 100 ctrl+shift+s
dialog=$(window_named 'Save Pair As') || fail "no file dialog"
[[ -n $dialog ]] || fail "no file dialog"
keys_to "$dialog" key --delay 50 ctrl+a
keys_to "$dialog" type --delay 30 "$work/copy.korvanta"
keys_to "$dialog" key --delay 50 Return
[[ $(window_named 'copy\.korvanta - Korvanta') == "$input" ]] || fail "the title did not name the saved copy"
[[ -f $work/copy.korvanta ]] || fail "no saved copy"

# The input window has its first field back, its text selected: the pinion gets 31 teeth.
keys_to "$input" type --delay 50 "31	"
keys_to "$input" key --delay 100 alt+f x
box=$(message_box_over "$input")
[[ -n $box ]] || fail "File › Exit did not ask to save the changed pair"
keys_to "$box" key --delay 50 alt+c
sleep 1
kill -0 "$pid" 2>/dev/null || fail "Cancel ended the program"

keys_to "$input" key --delay 100 alt+f x
box=$(message_box_over "$input")
[[ -n $box ]] || fail "the second File › Exit did not ask"
keys_to "$box" key --delay 50 alt+d
ended_well "$pid"
trap - EXIT
echo "The pair file went through the real program: opened, calculated as the command does, saved as, asked about, discarded"
