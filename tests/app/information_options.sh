#!/usr/bin/env bash
# The windows' program answers --version and --help without a display and opens no window for them;
# an unknown option is refused once the windows' application exists. Usage: information_options.sh <korvanta> <project version>
set -euo pipefail

program=$1
version=$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$@"; }

out=$(run --version) || fail "--version exits with status $?"
[[ $out == "korvanta $version" ]] || fail "--version prints '$out', not 'korvanta $version'"

out=$(run -v) || fail "-v exits with status $?"
[[ $out == "korvanta $version" ]] || fail "-v prints '$out'"

out=$(run --help) || fail "--help exits with status $?"
grep -q '^Usage: .*korvanta \[options\]' <<<"$out" || fail "--help shows no usage: $out"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version"

# Qt's own options may come with --version. A Qt option is a word, not a group of letters: -reverse
# (right to left) is not -v, and the program starts with it.
out=$(run -reverse --version) || fail "-reverse --version exits with status $?"
[[ $out == "korvanta $version" ]] || fail "-reverse --version prints '$out'"
status=0
out=$(QT_QPA_PLATFORM=offscreen timeout 3 "$program" -reverse) || status=$?
((status == 124)) && [[ -z $out ]] || fail "-reverse did not start the program (status $status, '$out')"

# Qt's own options are only known once the windows' application exists, so an unknown option is
# found there: on the offscreen platform here.
status=0
err=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" --frobnicate 2>&1 >/dev/null) || status=$?
((status == 1)) || fail "an unknown option exits with status $status, not 1"
grep -q 'frobnicate' <<<"$err" || fail "an unknown option is not named: $err"
echo "korvanta answers --version and --help"
