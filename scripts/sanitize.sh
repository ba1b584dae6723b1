#!/usr/bin/env bash
# The test suite under sanitizers (not part of CI: it takes a while).
#   asan  every test under AddressSanitizer + UndefinedBehaviorSanitizer, leaks
#         checked at exit                                          (build-asan/)
#   tsan  the engine and player tests under ThreadSanitizer        (build-tsan/).
#         Their media fixtures are made first by the plain build and handed out
#         again from a folder, so no fixture process starts while engine threads
#         run (and Qt's uninstrumented process helpers stay out of the picture).
# Usage: scripts/sanitize.sh [asan|tsan|all]   (default all; JOBS=n for the build)
set -euo pipefail
cd "$(dirname "$0")/.."
MODE="${1:-all}"
JOBS="${JOBS:-2}"
SUPP="$PWD/scripts/sanitizers"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ENGINE_TESTS='^(engine_.*|player_engine_tests)$'

configure() {  # build dir, sanitizer flags
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_TESTS=ON \
    -DCMAKE_C_FLAGS="$2 -fno-omit-frame-pointer" -DCMAKE_CXX_FLAGS="$2 -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$2" -DCMAKE_SHARED_LINKER_FLAGS="$2" ${CMAKE_EXTRA_ARGS:-} >/dev/null
}

run_asan() {
  echo "== AddressSanitizer + UndefinedBehaviorSanitizer: whole suite"
  configure build-asan "-fsanitize=address,undefined"
  cmake --build build-asan -j"$JOBS"
  ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=0:check_initialization_order=1" \
  LSAN_OPTIONS="suppressions=$SUPP/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$SUPP/ubsan.supp" \
    ctest --test-dir build-asan --output-on-failure --timeout 1800 -j"$JOBS"
}

run_tsan() {
  echo "== ThreadSanitizer: engine and player tests"
  local fixtures="$PWD/build-tsan/fixtures"
  rm -rf "$fixtures"
  mkdir -p "$fixtures"
  # The fixtures, made by the plain build (it runs the same tests once).
  cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_TESTS=ON ${CMAKE_EXTRA_ARGS:-} >/dev/null
  # Every engine and player test program (each test is named after its program).
  local targets
  mapfile -t targets < <(ctest --test-dir build-tests -N -R "$ENGINE_TESTS" | sed -n 's/^ *Test *#[0-9]*: //p')
  cmake --build build-tests -j"$JOBS" --target "${targets[@]}"
  VELTRANE_FIXTURE_RECORD="$fixtures" ctest --test-dir build-tests -R "$ENGINE_TESTS" --timeout 1800 -j"$JOBS" >/dev/null
  echo "fixtures made: $(ls "$fixtures" | wc -l)"
  configure build-tsan "-fsanitize=thread"
  cmake --build build-tsan -j"$JOBS" --target "${targets[@]}"
  VELTRANE_FIXTURE_DIR="$fixtures" \
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$SUPP/tsan.supp" \
    ctest --test-dir build-tsan -R "$ENGINE_TESTS" --output-on-failure --timeout 3600 -j"$JOBS"
}

case "$MODE" in
  asan) run_asan ;;
  tsan) run_tsan ;;
  all) run_asan && run_tsan ;;
  *) echo "usage: $0 [asan|tsan|all]" >&2; exit 2 ;;
esac
