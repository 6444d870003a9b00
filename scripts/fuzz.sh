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
# Any sanitizer report ends the run with an error, never a logged warning.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
status=0
ran=0
for exe in "$build"/tests/fuzz/fuzz_*; do
  [[ -x "$exe" && -f "$exe" ]] || continue
  name=$(basename "$exe")
  [[ -n "$only" && "$name" != "$only" ]] && continue
  work=$(mktemp -d)
  # Every target starts from the project's test data: the plists feed the
  # plist readers, the pictures beside them feed the image decoders. Inputs
  # are capped so that the one large plist does not slow every run.
  seeds=("$src/tests/data/plists")
  # Inputs that once found a fault are run again first (tests/fuzz/regressions/<target>).
  regressions="$src/tests/fuzz/regressions/${name#fuzz_}"
  [[ -d "$regressions" ]] && seeds+=("$regressions")
  echo "== $name for ${seconds}s"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 -print_final_stats=1 \
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
