#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ and runs
# each for a while (default 60 seconds).
# Usage: bash scripts/fuzz.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y -qq clang libclang-rt-14-dev
fi
[ -f build-fuzz/build.ninja ] || CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
  -DSOLUNE_FUZZ=ON -DSOLUNE_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^solune_fuzzer(\([a-z_0-9]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi
cmake --build build-fuzz --target "${targets[@]}"
for t in "${targets[@]}"; do
  echo "== $t for ${seconds}s"
  mkdir -p "build-fuzz/corpus/$t"
  "build-fuzz/tests/fuzz/$t" -max_total_time="$seconds" -max_len=65536 "build-fuzz/corpus/$t"
done
