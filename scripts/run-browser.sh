#!/usr/bin/env bash
# Starts the browser. Without a display it runs headless; running as root needs the engine's
# sandbox off, as Chromium refuses to sandbox itself under root.
set -euo pipefail
exe="$1"; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  echo "kestrel-browser: no display found, running headless (QT_QPA_PLATFORM=$QT_QPA_PLATFORM)"
fi
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
fi
exec "$exe" "$@"
