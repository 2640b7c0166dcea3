#!/usr/bin/env bash
# Configures (once) and builds the project into build/ with CMake and Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja "$@"
cmake --build build
