#!/usr/bin/env bash
# Builds the fuzz target of the calculation file reader with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs it.
#
#   tools/fuzz.sh [seconds] [extra libFuzzer options...]
#
# Default: 600 seconds, in this one process. New interesting inputs go to
# build-fuzz/corpus (the seeds of fuzz/corpus are read, never written). An
# input that breaks something is written to build-fuzz/ as crash-* or leak-*:
# fix the fault, then copy the input to fuzz/regressions/, where grid_test
# replays it in every build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true

tools/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLIMO_BUILD_FUZZ=ON -DTALLIMO_BUILD_APP=OFF -DTALLIMO_BUILD_TESTS=OFF \
    -DTALLIMO_BUILD_BENCH=OFF
cmake --build build-fuzz -j "${TALLIMO_FUZZ_BUILD_JOBS:-1}" --target calc_file_fuzz

mkdir -p build-fuzz/corpus
cd build-fuzz
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec fuzz/calc_file_fuzz -max_total_time="$seconds" \
    -artifact_prefix=./ -print_final_stats=1 -dict=../fuzz/calc_file.dict "$@" corpus ../fuzz/corpus ../fuzz/regressions
