#!/usr/bin/env bash
# `korvanta --mesh FILE --output MESH` writes the mesh picture of a pair file without a display, with
# its labels as text, and answers a bad file, a bad usage and an unwritable output with their statuses.
# Usage: headless_mesh.sh <korvanta>
set -euo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$program" "$@"; }

cat >"$work/internal.korvanta" <<'PAIR'
{
  "format": "korvanta-pair",
  "version": "1.0",
  "units": "inch",
  "kind": "internal",
  "entries": {"nt1": "20", "nt2": "60", "pitch": "10", "pa": "20", "ha": "0", "od1": "2.2", "od2": "5.8", "cd": "2"},
  "measurement": {"pin1": "", "pin2": "", "span1": "", "span2": ""},
  "job": {"pinion_part": "P-20", "gear_part": "R-60", "drawing": "D-4711", "revision": "B", "inspector": "", "note": ""}
}
PAIR

run --mesh "$work/internal.korvanta" --output "$work/mesh.svg" || fail "the SVG exits with status $?"
grep -q '<svg' "$work/mesh.svg" || fail "no SVG was written"
for label in '>T1<' '>T2<' '>A<' '>E<' '>P<' 'Drawing: D-4711' 'Units: in' 'Contact ratio: '; do
  grep -qF -- "$label" "$work/mesh.svg" || fail "the SVG holds no text $label"
done

run --output "$work/mesh.pdf" --mesh "$work/internal.korvanta" || fail "the PDF exits with status $?"
[[ $(head -c 4 "$work/mesh.pdf") == %PDF ]] || fail "no PDF was written"

status=0
err=$(run --mesh "$work/missing.korvanta" --output "$work/missing.svg" 2>&1) || status=$?
((status == 2)) || fail "a missing file exits with status $status, not 2"
grep -qF "missing.korvanta" <<<"$err" || fail "a missing file is not named: $err"
[[ ! -e $work/missing.svg ]] || fail "a missing file left a picture"

echo '{"format": "something else"}' >"$work/bad.korvanta"
status=0
run --mesh "$work/bad.korvanta" --output "$work/bad.svg" 2>/dev/null || status=$?
((status == 2)) || fail "a file that is no pair exits with status $status, not 2"

for usage in "--mesh $work/internal.korvanta" "--mesh $work/internal.korvanta --output $work/mesh.png"; do
  status=0
  # shellcheck disable=SC2086
  err=$(run $usage 2>&1) || status=$?
  ((status == 2)) || fail "'$usage' exits with status $status, not 2"
  grep -qF -- "--mesh FILE.korvanta --output" <<<"$err" || fail "'$usage' shows no usage: $err"
done

status=0
err=$(run --mesh "$work/internal.korvanta" --output "$work/no folder/mesh.svg" 2>&1) || status=$?
((status == 4)) || fail "an unwritable picture exits with status $status, not 4"
grep -qF "$work/no folder/mesh.svg" <<<"$err" || fail "an unwritable picture is not named: $err"
echo "korvanta writes the mesh picture without a display"
