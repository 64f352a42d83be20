#!/usr/bin/env bash
# Builds the engine's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it for the given
# number of seconds (default 60). New inputs go to build-fuzz/corpus, a
# failing one to build-fuzz/crash-*; fuzz/corpus seeds the run and is not
# written to. See fuzz/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-60}

"$PWD/scripts/setup.sh"
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz

mkdir -p build-fuzz/corpus
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
build-fuzz/fuzz_calcolo -max_total_time="$SECONDS_TO_RUN" -timeout=10 -print_final_stats=1 \
    -dict=fuzz/calcolo.dict -artifact_prefix=build-fuzz/ \
    build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/fuzz.log)
if [ "$status" -ne 0 ]; then
    tail -n 60 build-fuzz/fuzz.log
    echo "Fuzzing: FAILED after ${runs:-?} calculations (exit $status); input saved in build-fuzz/"
    exit 1
fi
echo "Fuzzing: ${runs:-?} calculations in ${SECONDS_TO_RUN} s, no failure"
