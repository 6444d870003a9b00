#!/usr/bin/env bash
# Builds Flarewick and runs the whole test suite, under Xvfb when there is no
# display. Extra arguments go to ctest (for example: -R config, -L unit).
set -euo pipefail
cd "$(dirname "$0")/.."
# The suite needs neither the benchmarks nor debug information; a first build
# without them takes minutes less. (An existing build folder keeps its settings.)
bash scripts/build.sh -DFLAREWICK_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" \
  "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
BUILD_DIR=${BUILD_DIR:-build}
jobs=$(nproc)
if [[ -n "${DISPLAY:-}" ]]; then
  exec ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" "$@"
fi
exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp -noreset" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" "$@"
