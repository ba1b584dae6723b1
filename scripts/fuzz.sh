#!/usr/bin/env bash
# Fuzzes the option parser and FFEncoder::SetOutput with libFuzzer (needs clang;
# without it, the seeded mutation loop of the test suite is the fallback:
# VELTRANE_FUZZ_ITERATIONS=200000 build-tests/bin/engine_option_fuzz_smoke).
# Usage: scripts/fuzz.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN="${1:-60}"
BUILD_DIR="${BUILD_DIR:-build-fuzz}"
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: run the mutation loop instead (see the top of this script)" >&2
  exit 2
fi
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_TESTS=ON -DVELTRANE_LIBFUZZER=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
  ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" -j2 --target engine_option_libfuzzer
mkdir -p "$BUILD_DIR/fuzz-corpus"
"$BUILD_DIR/bin/engine_option_libfuzzer" -max_total_time="$SECONDS_TO_RUN" -max_len=512 "$BUILD_DIR/fuzz-corpus"
