#!/usr/bin/env bash
# Benchmark of the configuration program (not a test; nothing fails on a slow
# machine). Under a private Xvfb display, against a virtual mouse in a
# temporary state file and an empty data folder:
#   - the time from starting VESK to its first visible window (polled with
#     xdotool every few milliseconds), and its resident memory one second later;
#   - in process (build/config/app/vesk-bench): the time of a page switch and
#     of a profile switch, each a store, a load and a full repaint.
# Goals: first window <= 150 ms, <= 60 MB resident, each switch < 16 ms.
#   bash scripts/vesk-bench.sh [runs]     (default 5 starts; needs a build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
vesk=$PWD/build/config/app/VESK
bench=$PWD/build/config/app/vesk-bench
sim=$PWD/build/simulator/tool/solune300-sim
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/install-deps.sh)"; exit 77; }
done
[ -x "$vesk" ] && [ -x "$bench" ] || { echo "build first: cmake --build build --target VESK vesk-bench"; exit 1; }

work=$(mktemp -d)
display=":$((300 + $$ % 300))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done

export DISPLAY=$display QT_QPA_PLATFORM=xcb
export SOLUNE300_SIMULATOR=$work/mouse.json XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run \
  SOLUNE300_RUNTIME_FOLDER=$work/run/solune300
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$sim" create --force >/dev/null

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
echo "VESK start to first visible window, and resident memory 1 s later ($runs runs):"
for run in $(seq "$runs"); do
  start=$(now_ms)
  "$vesk" &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(now_ms) - start )) -gt 30000 ]; then
      echo "  run $run: VESK showed no window"; exit 1
    fi
  done
  shown=$(( $(now_ms) - start ))
  sleep 1
  rss=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  echo "  run $run: first window after $shown ms, $rss MB resident"
  kill -TERM "$pid"; wait "$pid" || true
done

echo "In process:"
"$bench" | sed 's/^/  /'
