#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan into build-asan/ and runs
# every test there; any finding fails the test that made it.
# Usage: bash scripts/sanitize.sh [ctest arguments ...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DSOLUNE_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-asan
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$PWD/scripts/lsan.supp"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" "$@"
