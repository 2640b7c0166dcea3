#!/usr/bin/env bash
# Builds the tests of the updater and its log (the log, the package, the
# boot-loader link, the update procedures, the flow, the window, the command
# line's firmware commands) with ThreadSanitizer into build-tsan/ and runs
# them; a data race fails the run.
# Usage: bash scripts/tsan.sh [test program ...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build-tsan/build.ninja ] || cmake -S . -B build-tsan -G Ninja -DSOLUNE_TSAN=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(updater_log_tests updater_package_tests updater_link_tests updater_update_tests
           updater_app_tests updater_ctl_tests)
fi
cmake --build build-tsan --target "${targets[@]}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1 second_deadlock_stack=1} suppressions=$PWD/scripts/tsan.supp"
export QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
  program=$(find build-tsan/tests -type f -name "$t" -perm -u+x | head -n 1)
  echo "== $t"
  "$program" --gtest_brief=1
done
