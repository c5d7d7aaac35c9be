#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, as on a user's desktop: the
# manager takes the program's windows before they are shown, so showing is not immediate.
# Usage: tests/on-window-manager.sh COMMAND [ARGS...]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  openbox --sm-disable >/dev/null 2>&1 &
  manager=$!
  # The manager publishes the desktop number while it starts; it takes windows a moment later.
  for _ in $(seq 100); do
    xdotool get_desktop >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
  status=0
  QT_QPA_PLATFORM=xcb "$@" || status=$?
  kill "$manager" 2>/dev/null || true
  exit "$status"' kestrel-x "$@"
