#!/usr/bin/env bash
# Processor use of the running editor while the user does nothing, for five
# scenes: empty, one finished Explosion, a background image only, one Flower,
# and one Flower paused with the preview menu (its counts and the texture
# look still run).
# Each scene gets a fresh editor under its own Xvfb (Mesa software GL),
# driven with xdotool; once the scene is built and settled, the editor's
# utime + stime from /proc/<pid>/stat is read over MEASURE_SECONDS (default
# 10) and printed as a share of one core.
#   bench/idle_cpu_program.sh [build-dir]      (EXE=/path/to/flarewick overrides)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib/drive_editor.sh
BUILD_DIR=${1:-build}
EXE=${EXE:-"$PWD/$BUILD_DIR/flarewick"}
[[ -x "$EXE" ]] || { echo "no editor at $EXE: build first (scripts/build.sh)" >&2; exit 1; }
MEASURE_SECONDS=${MEASURE_SECONDS:-10}
TICKS=$(getconf CLK_TCK)

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
stop_all() {
  if [[ -n "$APP_PID" ]]; then kill "$APP_PID" 2>/dev/null || true; wait "$APP_PID" 2>/dev/null || true; fi
  if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  APP_PID=""
  XVFB_PID=""
}
trap 'stop_all; rm -rf "$WORK"' EXIT
link_resources
write_png "$WORK/backdrop.png" 640 960

fresh_editor() {
  start_xvfb 1600x1200x24
  # No update server: the check fails at once instead of reaching out.
  start_editor GSETTINGS_BACKEND=memory FLAREWICK_SERVER=127.0.0.1:1 XDG_STATE_HOME="$WORK/state"
  sleep 1
  xdotool windowfocus --sync "$FRAME"
}

measure() {
  local name=$1 settle=$2
  # The pointer rests outside the window, as when the user looks at it.
  xdotool mousemove 1590 1190
  sleep "$settle"
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$APP_PID/stat")
  sleep "$MEASURE_SECONDS"
  after=$(awk '{ print $14 + $15 }' "/proc/$APP_PID/stat")
  awk -v n="$name" -v t=$((after - before)) -v hz="$TICKS" -v s="$MEASURE_SECONDS" \
    'BEGIN { printf "%-22s %6.2f %% of a core over %d s\n", n, 100 * t / hz / s, s }'
  stop_all
}

fresh_editor
measure "empty scene" 2

fresh_editor
create_example 3
# An Explosion emits for 0.1 s; its particles live at most 7 s.
measure "finished Explosion" 9

fresh_editor
open_file "$WORK/backdrop.png"
measure "background image only" 2

fresh_editor
create_example 0
measure "one Flower" 2

fresh_editor
create_example 0
# "预览(&V)" opens on "暂停/继续".
xdotool key alt+v
sleep 0.4
xdotool key Return
measure "paused Flower" 2
