# Shared by the bench scripts that drive the real editor under their own Xvfb with xdotool (sourced, not run).
# The caller sets EXE (the editor) and WORK (its working directory, with rc/ and res/ linked in by link_resources).

# Ends the editor and the Xvfb of a run and removes WORK; scripts call it on exit (trap end_run EXIT).
end_run() {
  [[ -n "${APP_PID:-}" ]] && kill "$APP_PID" 2>/dev/null
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}

# Starts an Xvfb of the given screen size on a free display and exports DISPLAY; XVFB_PID is its process.
start_xvfb() {
  local num=$(( 500 + RANDOM % 400 ))
  while [[ -e /tmp/.X11-unix/X$num || -e /tmp/.X$num-lock ]]; do num=$((num + 1)); done
  Xvfb ":$num" -screen 0 "$1" -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$num ]] && break; sleep 0.1; done
  export DISPLAY=":$num"
}

link_resources() {
  ln -s "$PWD/rc" "$WORK/rc"
  ln -s "$PWD/res" "$WORK/res"
}

# A gradient PNG of width x height at the path.
write_png() {
  python3 - "$1" "$2" "$3" <<'PY'
import struct, sys, zlib
path, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rows = b"".join(b"\0" + bytes(c for x in range(w) for c in (x * 255 // w, y * 255 // h, 96)) for y in range(h))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b"")
open(path, "wb").write(png)
PY
}

# Runs the editor in WORK (extra environment as arguments) and waits for its
# main window; APP_PID is its process, FRAME its window.
start_editor() {
  (cd "$WORK" && exec env "$@" "$EXE" > "$WORK/output.log" 2>&1) &
  APP_PID=$!
  FRAME=""
  for _ in $(seq 100); do
    FRAME=$(xdotool search --onlyvisible --name '^Flarewick' 2>/dev/null | head -1 || true)
    [[ -n "$FRAME" ]] && break
    sleep 0.2
  done
  [[ -n "$FRAME" ]] || { echo "the editor did not open:" >&2; cat "$WORK/output.log" >&2; exit 1; }
}

# A file typed into the open chooser.
open_file() {
  xdotool key ctrl+o
  sleep 1.5
  xdotool key ctrl+l
  sleep 0.3
  xdotool type --delay 10 "$1"
  sleep 0.3
  xdotool key Return
  sleep 1.5
}

# Entry n of the example menu (0 Flower, 2 Fireworks, 3 Explosion, 7 Smoke, 10 Sun).
create_example() {
  xdotool windowfocus --sync "$FRAME"
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
