#!/usr/bin/env bash
# Processor use of the running editor while the user does nothing, for four
# scenes: empty, one finished Explosion, a background image only, one Flower.
# Each scene gets a fresh editor under its own Xvfb (Mesa software GL),
# driven with xdotool; once the scene is built and settled, the editor's
# utime + stime from /proc/<pid>/stat is read over MEASURE_SECONDS (default
# 10) and printed as a share of one core.
#   bench/idle_cpu_program.sh [build-dir]      (EXE=/path/to/flarewick overrides)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
EXE=${EXE:-"$PWD/$BUILD_DIR/flarewick"}
[[ -x "$EXE" ]] || { echo "no editor at $EXE: build first (scripts/build.sh)" >&2; exit 1; }
MEASURE_SECONDS=${MEASURE_SECONDS:-10}
TICKS=$(getconf CLK_TCK)

work=$(mktemp -d)
xvfb=""
app=""
stop_all() {
  if [[ -n "$app" ]]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  if [[ -n "$xvfb" ]]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  app=""
  xvfb=""
}
trap 'stop_all; rm -rf "$work"' EXIT

ln -s "$PWD/rc" "$work/rc"
ln -s "$PWD/res" "$work/res"
python3 - "$work/backdrop.png" <<'EOF'
import struct, sys, zlib
w, h = 640, 960
rows = b"".join(b"\0" + bytes(c for x in range(w) for c in (x * 255 // w, y * 255 // h, 96)) for y in range(h))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
EOF

start_editor() {
  local num=$(( 500 + RANDOM % 400 ))
  while [[ -e /tmp/.X11-unix/X$num || -e /tmp/.X$num-lock ]]; do num=$((num + 1)); done
  Xvfb ":$num" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$num ]] && break; sleep 0.1; done
  export DISPLAY=":$num"
  # No update server: the check fails at once instead of reaching out.
  (cd "$work" && exec env GSETTINGS_BACKEND=memory FLAREWICK_SERVER=127.0.0.1:1 "$EXE" > "$work/output.log" 2>&1) &
  app=$!
  frame=""
  for _ in $(seq 100); do
    frame=$(xdotool search --onlyvisible --name '^Flarewick' 2>/dev/null | head -1 || true)
    [[ -n "$frame" ]] && break
    sleep 0.2
  done
  [[ -n "$frame" ]] || { echo "the editor did not open:" >&2; cat "$work/output.log" >&2; exit 1; }
  sleep 1
  xdotool windowfocus --sync "$frame"
}

# Entry n of the example menu (0 Flower, 3 Explosion).
create_example() {
  xdotool windowfocus --sync "$frame"
  xdotool key alt+e
  sleep 0.4
  xdotool key Down
  sleep 0.3
  xdotool key Right
  sleep 0.4
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.6
}

open_background() {
  xdotool key ctrl+o
  sleep 1.5
  xdotool key ctrl+l
  sleep 0.3
  xdotool type --delay 10 "$work/backdrop.png"
  sleep 0.3
  xdotool key Return
  sleep 1.5
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }

measure() {
  local name=$1 settle=$2
  # The pointer rests outside the window, as when the user looks at it.
  xdotool mousemove 1590 1190
  sleep "$settle"
  local before after
  before=$(cpu_ticks)
  sleep "$MEASURE_SECONDS"
  after=$(cpu_ticks)
  awk -v n="$name" -v t=$((after - before)) -v hz="$TICKS" -v s="$MEASURE_SECONDS" \
    'BEGIN { printf "%-22s %6.2f %% of a core over %d s\n", n, 100 * t / hz / s, s }'
}

start_editor
measure "empty scene" 2
stop_all

start_editor
create_example 3
# An Explosion emits for 0.1 s; its particles live at most 7 s.
measure "finished Explosion" 9
stop_all

start_editor
open_background
measure "background image only" 2
stop_all

start_editor
create_example 0
measure "one Flower" 2
stop_all
