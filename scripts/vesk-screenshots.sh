#!/usr/bin/env bash
# Makes the README's pictures of the VESK main window on each of its five
# pages (docs/screenshots/vesk-*.png), offscreen, against a virtual mouse in a
# temporary state file and an empty data folder, so every picture shows the
# factory-default profile 1, and close-ups of the places where a text or a
# look was mended (docs/screenshots/crops/crop-*.png, three times enlarged).
# Needs a build (build/config/app/vesk-screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
shots=$PWD/build/config/app/vesk-screenshots
sim=$PWD/build/simulator/tool/solune300-sim
[ -x "$shots" ] || { echo "build first: cmake --build build --target vesk-screenshots"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export SOLUNE300_SIMULATOR=$work/mouse.json XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run \
  SOLUNE300_RUNTIME_FOLDER=$work/run/solune300
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$sim" create --force >/dev/null
"$shots" "$PWD/docs/screenshots" "$PWD/docs/screenshots/crops"
