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
BUILD_DIR=${1:-build}
EXE="$PWD/$BUILD_DIR/flarewick"
[[ -x "$EXE" ]] || { echo "no editor at $EXE: build first (scripts/build.sh)" >&2; exit 1; }

work=$(mktemp -d)
num=$(( 500 + RANDOM % 400 ))
while [[ -e /tmp/.X11-unix/X$num || -e /tmp/.X$num-lock ]]; do num=$((num + 1)); done
Xvfb ":$num" -screen 0 2200x1500x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [[ -n "$app" ]] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$num ]] && break; sleep 0.1; done
export DISPLAY=":$num" GSETTINGS_BACKEND=memory FLAREWICK_FRAME_STATS=1

ln -s "$PWD/rc" "$work/rc"
ln -s "$PWD/res" "$work/res"
printf '{ "DesignWidth": 1280, "DesignHeight": 1000 }\n' > "$work/editor-config.json"
python3 - "$work/backdrop.png" <<'EOF'
import struct, sys, zlib
w, h = 1280, 1000
rows = b"".join(b"\0" + bytes(c for x in range(w) for c in (x * 255 // w, y * 255 // h, 96)) for y in range(h))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
EOF

(cd "$work" && exec "$EXE" > "$work/output.log" 2>&1) &
app=$!
frame=""
for _ in $(seq 100); do
  frame=$(xdotool search --onlyvisible --name '^Flarewick' 2>/dev/null | head -1 || true)
  [[ -n "$frame" ]] && break
  sleep 0.2
done
[[ -n "$frame" ]] || { echo "the editor did not open:" >&2; cat "$work/output.log" >&2; exit 1; }
# Sized so that the view is 1280 x 1000, the design area at one pixel per point.
xdotool windowsize "$frame" 1815 1099 windowmove "$frame" 0 0
sleep 1
xdotool windowfocus --sync "$frame"

# The background, typed into the open chooser.
xdotool key ctrl+o
sleep 1.5
xdotool key ctrl+l
sleep 0.3
xdotool type --delay 10 "$work/backdrop.png"
sleep 0.3
xdotool key Return
sleep 1.5

# From the example menu: entry 2 is Fireworks, 7 Smoke, 10 Sun.
create() {
  xdotool windowfocus --sync "$frame"
  xdotool key alt+e
  sleep 0.4
  # The menu opens on "创建"; the next entry is "从示例创建", whose list opens on Flower.
  xdotool key Down
  sleep 0.3
  xdotool key Right
  sleep 0.4
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.6
}
for entry in 2 2 2 2 10 7; do create "$entry"; done

sleep "${RUN_SECONDS:-14}"
import -window root "$PWD/$BUILD_DIR/heavy-scene-program.png"
xdotool windowfocus --sync "$frame"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
app=""
grep '^frames' "$work/output.log" || { echo "no frame figures:" >&2; cat "$work/output.log" >&2; exit 1; }
echo "screenshot: $BUILD_DIR/heavy-scene-program.png"
