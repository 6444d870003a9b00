#!/usr/bin/env bash
# Export figures: the longest frame gap of the editor's live preview while
# "导出动画…" renders 120 frames of a Fire (WebP, 640 x 960) in the background,
# as the editor prints it with FLAREWICK_FRAME_STATS; then particle-render's
# time per frame at 640 x 960 for each format and the file sizes of a 2 s Fire
# (30 fps, transparent). Drives the editor with xdotool under its own Xvfb.
#   bench/export_program.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/lib/drive_editor.sh
BUILD_DIR=${1:-build}
EXE="$PWD/$BUILD_DIR/flarewick"
TOOL="$PWD/$BUILD_DIR/particle-render"
[[ -x "$EXE" && -x "$TOOL" ]] || { echo "no editor or particle-render in $BUILD_DIR: build first" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
trap end_run EXIT
start_xvfb 1600x1200x24
export GSETTINGS_BACKEND=memory FLAREWICK_FRAME_STATS=1
link_resources

# Focuses the window the editor opened last (dialogs have non-ASCII titles that
# xdotool's name search does not match).
focus_newest() {
  local w
  w=$(xdotool search --onlyvisible --class flarewick 2>/dev/null | grep -v "^$FRAME\$" | tail -1 || true)
  [[ -n "$w" ]] && xdotool windowfocus --sync "$w"
  sleep 0.3
}

# A chooser's path typed, then Return.
choose() {
  sleep 1.2
  focus_newest
  xdotool type --delay 10 "$1"
  sleep 0.3
  xdotool key Return
}

stop_editor() {
  xdotool windowfocus --sync "$FRAME"
  xdotool key ctrl+q
  sleep 1
  # The effect was saved; a question about it would be answered with "不保存(&N)".
  xdotool key alt+n 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.2; done
  APP_PID=""
}

# Fire from the example menu, saved as fire-export.plist, and a 120-frame WebP
# export of it through the menu.
export_session() {
  start_editor
  xdotool windowfocus --sync "$FRAME"
  create_example 1
  xdotool key ctrl+s
  choose "$WORK/fire-export.plist"
  sleep 1
  xdotool windowfocus --sync "$FRAME"
  xdotool key alt+f; sleep 0.4
  xdotool key Down Down Down Down; sleep 0.2
  xdotool key Return; sleep 1
  focus_newest
  # WebP, the design size, 4 s at 30 fps: 120 frames.
  xdotool key --clearmodifiers --delay 60 Down Down Tab Tab Tab Tab Tab ctrl+a 4 Tab
  xdotool key Return
  choose "$WORK/export.webp"
  for _ in $(seq 600); do [[ -e "$WORK/export.webp" ]] && break; sleep 0.1; done
  [[ -e "$WORK/export.webp" ]] || { echo "the export did not finish" >&2; exit 1; }
  sleep 1
  stop_editor
  grep '^export of' "$WORK/output.log" || { echo "no export figures:" >&2; cat "$WORK/output.log" >&2; exit 1; }
  echo "whole run: $(grep '^frames ' "$WORK/output.log")"
}

export_session

echo "particle-render, Fire, 640x960, 2 s at 30 fps (60 frames), transparent:"
cd "$WORK"
for format in png sheet webp gif webp-q80; do
  case $format in
    png) out=frames; args=(--format png) ;;
    sheet) out=sheet.png; args=(--format sheet) ;;
    webp) out=fire.webp; args=(--format webp) ;;
    gif) out=fire.gif; args=(--format gif) ;;
    webp-q80) out=fire-q80.webp; args=(--format webp --quality 80) ;;
  esac
  start=$(date +%s.%N)
  env -u DISPLAY "$TOOL" fire-export.plist --search-path res --size 640x960 --frames 60 --fps 30 \
    --background transparent "${args[@]}" --out "$out"
  end=$(date +%s.%N)
  size=$(du -sb "$out" | cut -f1)
  [[ $format == sheet ]] && size=$((size + $(stat -c %s sheet.json)))
  printf '  %-9s %6.1f ms/frame  %9d bytes\n' "$format" "$(echo "($end - $start) * 1000 / 60" | bc -l)" "$size"
done
