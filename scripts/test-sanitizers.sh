#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there, the randomized engine test
# and the random walk over the program included. Any finding fails its test:
# ASan and UBSan stop the program at the first report (exit status 1), and
# LeakSanitizer reports leaks when a test program ends.
#
# Leak detection stays on. Qt, fontconfig and the offscreen platform keep
# their caches reachable until the process ends, so LeakSanitizer has nothing
# to say about them here and no suppressions are needed. Should a third-party
# library start to report, suppress it by library name in a file given with
# LSAN_OPTIONS=suppressions=<file>, never our own code.
set -euo pipefail
cd "$(dirname "$0")/.."

"$PWD/scripts/setup.sh"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON \
    -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
echo "Sanitizers: the whole test suite passed under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
