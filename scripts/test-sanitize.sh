#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs the whole test suite there, leak checks included. The
# first fault ends the test that hit it, with its stack.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_SANITIZE=ON
cmake --build build-asan -j 2
# abort_on_error=0 lets a test report its fault and exit rather than dump core;
# detect_leaks checks every test process at exit against lsan.supp, which names
# only leaks that lie wholly inside system libraries.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
# Fewer random steps than the plain build: instrumented code runs slower. The
# stacked deals always play to their win.
export QUILLET_RANDOM_STEPS="${QUILLET_RANDOM_STEPS:-1000}"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
