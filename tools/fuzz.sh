#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 45),
# two at a time, starting from the seeds in tests/fuzz/corpus. New inputs
# the fuzzer finds go to build-fuzz/corpus, never into the checked-in seeds;
# a crash leaves its input in build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-45}
# clang, and libFuzzer, which Debian 12 ships in libclang-rt-14-dev.
bash tools/install-deps.sh clang libclang-rt-14-dev
build=${BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_FUZZ=ON \
  -DQUILLBOX_BUILD_TESTS=OFF -DQUILLBOX_BUILD_BENCH=OFF
cmake --build "$build" --target fuzz_targets

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/.ci/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/crashes"
run_one() {
  local target=$1 build=$2 seconds=$3
  mkdir -p "$build/corpus/$target"
  "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" "tests/fuzz/corpus/$target" \
    > "$build/$target.log" 2>&1 || { tail -40 "$build/$target.log"; echo "$target FAILED"; return 1; }
  echo "$target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | grep -o '[0-9]*$') runs, no fault"
}
export -f run_one
printf '%s\n' fuzz_note_reader fuzz_folder_list fuzz_folder_index fuzz_text_import fuzz_html_writer fuzz_pdf_writer |
  xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$build" "$seconds"
