#!/usr/bin/env bash
# Builds a libFuzzer target of a reader of outside text with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs it.
#
#   tools/fuzz.sh [target] [seconds] [extra libFuzzer options...]
#
# Targets: calc_file (the default: the calculation file), copied_number
# ("Coller" and the edit panel), settings (style, colours, window size),
# count_text (the date calculator's counts), converter (the converter's
# fields). Default: 600 seconds, in this one process. New interesting inputs go
# to build-fuzz/corpus (calc_file) or build-fuzz/corpus-<target>; the seeds of
# fuzz/corpus are read, never written. An input that breaks something is
# written to build-fuzz/ as crash-* or leak-*: fix the fault, then copy the
# input to fuzz/regressions/ (fuzz/regressions/<target>/ for the other
# targets), where the tests replay it in every build.
set -euo pipefail
cd "$(dirname "$0")/.."
target=calc_file
if [[ $# -gt 0 && ! $1 =~ ^[0-9]+$ ]]; then
    target=$1
    shift
fi
seconds=${1:-600}
shift || true

case $target in
calc_file)
    corpus=corpus
    seeds=(../fuzz/corpus ../fuzz/regressions)
    dict=(-dict=../fuzz/calc_file.dict)
    ;;
copied_number | settings | count_text | converter)
    corpus=corpus-$target
    seeds=()
    for folder in ../fuzz/corpus/$target ../fuzz/regressions/$target; do
        [[ -d ${folder#../} ]] && seeds+=("$folder")
    done
    dict=()
    ;;
*)
    echo "unknown fuzz target: $target" >&2
    exit 2
    ;;
esac

tools/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLIMO_BUILD_FUZZ=ON -DTALLIMO_BUILD_APP=OFF -DTALLIMO_BUILD_TESTS=OFF \
    -DTALLIMO_BUILD_BENCH=OFF
cmake --build build-fuzz -j "${TALLIMO_FUZZ_BUILD_JOBS:-1}" --target "${target}_fuzz"

mkdir -p "build-fuzz/$corpus"
cd build-fuzz
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "fuzz/${target}_fuzz" -max_total_time="$seconds" \
    -artifact_prefix=./ -print_final_stats=1 "${dict[@]}" "$@" "$corpus" "${seeds[@]}"
