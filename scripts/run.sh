#!/usr/bin/env bash
# Builds and launches the editor. On a machine without a display it runs the
# editor under Xvfb for a few seconds, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
EXE="$PWD/$BUILD_DIR/flarewick"

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$EXE" "$@"
fi

shot="${SCREENSHOT:-$PWD/$BUILD_DIR/flarewick-screenshot.png}"
num=$(( 90 + RANDOM % 400 ))
while [[ -e /tmp/.X11-unix/X$num || -e /tmp/.X$num-lock ]]; do num=$((num + 1)); done
Xvfb ":$num" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
app=""
trap cleanup EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$num ]] && break; sleep 0.1; done
export DISPLAY=":$num"
"$EXE" "$@" &
app=$!
sleep "${RUN_SECONDS:-5}"
import -window root "$shot"
echo "No display here: ran the editor under Xvfb; screenshot saved to $shot"
