#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs the game, window and random-play tests there. The
# first fault ends the run with its stack.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_SANITIZE=ON
cmake --build build-asan -j "$(nproc)" --target quillet tst_conservation tst_golf tst_bcastle tst_pointer tst_gamewindow tst_cards
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
# Fewer random steps than the plain build: instrumented code runs slower.
export QUILLET_RANDOM_STEPS="${QUILLET_RANDOM_STEPS:-1000}"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 -R '^tst_(conservation|golf|bcastle|pointer|gamewindow|cards)$'
