#!/usr/bin/env bash
# The heavy scene in the running editor: a 1280 x 1000 background image opened
# with the open command, four Fireworks, a Sun and a Smoke created from the
# example menu, the design resolution 1280 x 1000 and the window made large
# enough to show it. Prints the editor's FLAREWICK_FRAME_STATS line for the
# last ten seconds of a run of RUN_SECONDS (default 14) and saves a screenshot
# beside the build. Drives the editor with xdotool under its own Xvfb.
#   bench/heavy_scene_program.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib/drive_editor.sh
BUILD_DIR=${1:-build}
EXE="$PWD/$BUILD_DIR/flarewick"
[[ -x "$EXE" ]] || { echo "no editor at $EXE: build first (scripts/build.sh)" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
trap end_run EXIT
start_xvfb 2200x1500x24
export GSETTINGS_BACKEND=memory FLAREWICK_FRAME_STATS=1 XDG_STATE_HOME="$WORK/state"

link_resources
printf '{ "DesignWidth": 1280, "DesignHeight": 1000 }\n' > "$WORK/editor-config.json"
write_png "$WORK/backdrop.png" 1280 1000

start_editor
# Sized so that the view is 1280 x 1000, the design area at one pixel per point.
xdotool windowsize "$FRAME" 1815 1099 windowmove "$FRAME" 0 0
sleep 1
xdotool windowfocus --sync "$FRAME"

open_file "$WORK/backdrop.png"
for entry in 2 2 2 2 10 7; do create_example "$entry"; done

sleep "${RUN_SECONDS:-14}"
import -window root "$PWD/$BUILD_DIR/heavy-scene-program.png"
xdotool windowfocus --sync "$FRAME"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.2; done
APP_PID=""
grep '^frames' "$WORK/output.log" || { echo "no frame figures:" >&2; cat "$WORK/output.log" >&2; exit 1; }
echo "screenshot: $BUILD_DIR/heavy-scene-program.png"
