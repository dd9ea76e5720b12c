#!/usr/bin/env bash
# `korvanta --sheet FILE --output SHEET.pdf` on a machine without a display: the PDF of a known pair
# holds the header's fields and every number the command twin prints for the pair, as selectable text,
# and its pages look as their reference pictures; a bad file ends with status 2 and an unwritable PDF
# with status 4, each named on standard error.
# Usage: sheet_command.sh <korvanta> <korvanta-calc> <project version> <reference folder> <work folder>
set -euo pipefail

program=$1
calc=$2
version=$3
reference=$4
work=$5

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# No display of any kind, and the day of the sheet fixed (2025-12-09), so that its pages can be
# compared.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SOURCE_DATE_EPOCH=1765238400 timeout 60 "$program" "$@"
}

rm -rf "$work"
mkdir -p "$work"
pair=$work/spur.korvanta
cat >"$pair" <<'PAIR'
{
  "entries": {"cd": "3", "ha": "0", "nt1": "20", "nt2": "40", "od1": "2.2", "od2": "4.2", "pa": "20", "pitch": "10"},
  "format": "korvanta-pair",
  "job": {"drawing": "D-2040", "gear_part": "G-40", "inspector": "J. Smith", "note": "Hardened and ground.",
          "pinion_part": "P-20", "revision": "B"},
  "kind": "external",
  "measurement": {"pin1": "", "pin2": "", "span1": "", "span2": ""},
  "sheet": {"accuracy_class": "6", "face_width": "1", "helix_hand": "",
            "tip_relief1": {"least": "2", "most": "5", "start_roll_angle": "28"}, "tip_relief2": {}},
  "units": "inch",
  "version": "1.1"
}
PAIR

sheet=$work/spur.pdf
status=0
err=$(run --sheet "$pair" --output "$sheet" --paper A4 2>&1) || status=$?
((status == 0)) || fail "the sheet of a good pair file exits with status $status: $err"
[[ $(head -c 5 "$sheet") == "%PDF-" ]] || fail "no PDF written"

text=$(pdftotext -layout "$sheet" -)
expect_text() {
  grep -qF -- "$1" <<<"$text" || fail "the sheet does not show '$1'"
}
for field in "Inspection Sheet" "Page 1 of 2" "Page 2 of 2" P-20 G-40 D-2040 "J. Smith" "Hardened and ground." \
  2025-12-09 "Korvanta $version" "Units: in (diametral pitch)" "External pair" spur.korvanta; do
  expect_text "$field"
done

# Every number the command twin prints for the pair and its measurements is on the sheet.
numbers=$("$calc" --pair "$pair" --measure --json |
  grep -oE '"(pinion|gear|contact_ratio|tooth_thickness|pin_diameter|over_pins|span_teeth|span)": "[^"]*"' |
  sed -E 's/.*: "(.*)"/\1/' | grep -v -- '----' | sort -u)
[[ -n $numbers ]] || fail "korvanta-calc printed no numbers for the pair"
while read -r number; do
  expect_text "$number"
done <<<"$numbers"
# The normal module 25.4 / 10 mm and the base pitch π cos 20° / 10 in, which the command twin does not print.
expect_text "2.54000 mm"
expect_text "0.29521 in"
# The tolerances of class 6 and their edition.
expect_text "ISO 1328-1:2013"

# Each page as its reference picture, but for the odd pixel of another machine's font rendering.
pdftoppm -r 40 -gray -png "$sheet" "$work/page"
for page in 1 2; do
  shot=$work/page-$page.png
  [[ -f $shot ]] || fail "no page $page"
  differing=$(compare -metric AE -fuzz 15% "$reference/sheet_page-$page.png" "$shot" "$work/difference-$page.png" 2>&1) ||
    [[ $differing =~ ^[0-9]+$ ]] || fail "page $page cannot be compared: $differing"
  ((differing < 1500)) || fail "page $page differs from its reference in $differing pixels ($work/difference-$page.png)"
done
[[ ! -f $work/page-3.png ]] || fail "the sheet takes more than two pages"

# A file that is no pair file: status 2, the file named.
bad=$work/bad.korvanta
echo '{"format": "korvanta-pair", "version": "1.0", "entries": ' >"$bad"
status=0
err=$(run --sheet "$bad" --output "$work/bad.pdf" 2>&1) || status=$?
((status == 2)) || fail "a bad pair file exits with status $status, not 2"
grep -qF "bad.korvanta" <<<"$err" || fail "the bad file is not named: $err"
[[ ! -e $work/bad.pdf ]] || fail "a bad pair file left a PDF"

# No PDF to write: status 2.
status=0
err=$(run --sheet "$pair" 2>&1) || status=$?
((status == 2)) || fail "--sheet without --output exits with status $status, not 2"
grep -qF -- "--output" <<<"$err" || fail "the missing --output is not named: $err"

# A folder that does not exist: status 4, the file named, nothing written.
unwritable=$work/no-such-folder/spur.pdf
status=0
err=$(run --sheet "$pair" --output "$unwritable" 2>&1) || status=$?
((status == 4)) || fail "an unwritable PDF exits with status $status, not 4"
grep -qF "$unwritable" <<<"$err" || fail "the unwritable PDF is not named: $err"
[[ ! -e $unwritable ]] || fail "an unwritable PDF was written"

echo "korvanta writes the sheet of a pair file without a display"
