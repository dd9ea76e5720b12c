# Helpers of the walks through the real program, sourced by them: finding windows by title, sending
# keys to a window with or without a window manager, and waiting for windows to go.
#
# The sourcing walk sets `work` (its work folder) and `shot` (the picture settled_shot writes) first.

readonly wait_seconds=60

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The id of the one visible window whose title matches the pattern $1 whole, once it is shown.
window_named() {
  timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# The id of a message box over the input window $1 once one shows: a visible window that, like the
# input window, is titled "Korvanta"; empty when none shows in time.
message_box_over() {
  local input=$1 box=""
  for _ in $(seq $((wait_seconds * 10))); do
    box=$(xdotool search --onlyvisible --name '^Korvanta$' | grep -vx "$input" | head -n 1) && break
    sleep 0.1
  done
  echo "$box"
}

# A window manager names its check window on the root window.
if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  focus_command=windowactivate
else
  focus_command=windowfocus
fi

# Takes the focus to the window (asking the window manager, if one runs) and sends the keys.
keys_to() {
  local window=$1
  shift
  xdotool "$focus_command" --sync "$window"
  xdotool "$@"
}

# Waits until no visible window's title matches the pattern $1 whole.
gone() {
  for _ in $(seq $((wait_seconds * 10))); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# A picture of the window once its painting has settled: two shots in a row that are the same.
settled_shot() {
  local window=$1 previous=$work/previous.png
  import -window "$window" "png:$previous"
  for _ in $(seq 20); do
    sleep 0.5
    import -window "$window" "png:$shot"
    if [[ $(compare -metric AE "$previous" "$shot" null: 2>&1) == 0 ]]; then
      return 0
    fi
    cp "$shot" "$previous"
  done
  fail "the window kept repainting"
}

# Waits for the program $1 to end and checks that it ended with status 0.
ended_well() {
  local pid=$1
  for _ in $(seq $((wait_seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  local status=0
  wait "$pid" || status=$?
  ((status == 0)) || fail "the program ended with status $status"
}
