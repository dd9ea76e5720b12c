#!/usr/bin/env bash
# Runs a command under the Openbox window manager on the X server named in DISPLAY, and stops the
# window manager afterwards. The command's exit status is kept.
#
# Usage: with-window-manager.sh COMMAND [ARGUMENT...]
set -euo pipefail

openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true; wait "$manager" 2>/dev/null || true' EXIT

# A running window manager names its check window on the root window.
for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  kill -0 "$manager" 2>/dev/null || { echo "openbox did not start" >&2; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "openbox did not start" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
