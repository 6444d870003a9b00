#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build tree and runs each
# one for a few seconds over its seed corpus. Usage: fuzz.sh BUILD_DIR SECONDS [NAME]
# A crash or leak makes the run fail; the input that caused it is kept in BUILD_DIR/findings.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:?build directory}"
seconds="${2:-10}"
only="${3:-}"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DFLAREWICK_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" >/dev/null
mkdir -p "$build/findings"
status=0
ran=0
for exe in "$build"/tests/fuzz/fuzz_*; do
  [[ -x "$exe" && -f "$exe" ]] || continue
  name=$(basename "$exe")
  [[ -n "$only" && "$name" != "$only" ]] && continue
  corpus="$src/tests/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  seeds=()
  [[ -d "$corpus" ]] && seeds+=("$corpus")
  echo "== $name for ${seconds}s"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/findings/$name-" "$work" "${seeds[@]}"; then
    status=1
  fi
  rm -rf "$work"
  ran=$((ran + 1))
done
if [[ $ran -eq 0 ]]; then
  echo "no fuzz targets were built" >&2
  exit 1
fi
exit $status
