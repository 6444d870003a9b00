#!/usr/bin/env bash
# Builds Flarewick and runs the whole test suite, under Xvfb when there is no
# display. Extra arguments go to ctest (for example: -R config, -L unit).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
jobs=$(nproc)
if [[ -n "${DISPLAY:-}" ]]; then
  exec ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" "$@"
fi
exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp -noreset" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" "$@"
