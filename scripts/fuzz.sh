#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and UBSan)
# into build-fuzz/ and runs each in turn for a while (default 60 seconds).
# Usage: bash scripts/fuzz.sh [seconds] [target ...]
# With FUZZ_RUNS=N in the environment each target runs N executions instead of
# for a time (for example FUZZ_RUNS=10000000 for a full pass).
# Without targets it runs every target of tests/fuzz/CMakeLists.txt. Each starts
# from its seeds (tests/fuzz/seeds/<target>/) and keeps what it learns in
# build-fuzz/corpus/<target>/; a finding is written to build-fuzz/artifacts/<target>/
# and makes the script exit with status 1 after the remaining targets ran.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
bash scripts/install-deps.sh
# Fuzzing is opt-in, so its compiler is not among the packages CI installs.
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq clang libclang-rt-14-dev
fi
[ -f build-fuzz/build.ninja ] || CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
  -DSOLUNE_FUZZ=ON -DSOLUNE_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^solune_fuzzer(\([a-z_0-9]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi
cmake --build build-fuzz --target "${targets[@]}"
failed=()
for t in "${targets[@]}"; do
  echo "== $t for ${FUZZ_RUNS:+$FUZZ_RUNS runs}${FUZZ_RUNS:-${seconds}s}"
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t" "tests/fuzz/seeds/$t"
  if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  if ! "build-fuzz/tests/fuzz/$t" "${limit[@]}" -max_len=65536 -rss_limit_mb=2048 \
      -timeout=20 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t/" \
      "build-fuzz/corpus/$t" "tests/fuzz/seeds/$t"; then
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (see build-fuzz/artifacts/)"
  exit 1
fi
echo "no findings"
