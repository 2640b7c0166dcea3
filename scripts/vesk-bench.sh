#!/usr/bin/env bash
# Benchmark of the configuration program (not a test; nothing fails on a slow
# machine). Under a private Xvfb display, against a virtual mouse in a
# temporary state file and an empty data folder, in one run and interleaved
# (one start of each program per round, so a busy moment of the machine falls
# on all of them alike):
#   - VESK, VESK at twice the scale (QT_SCALE_FACTOR=2), an empty Qt 6 window
#     (build/tests/bench/empty-qt-window, the floor of any Qt program) and,
#     where it is installed, Piper: the time from starting each to its first
#     visible window (polled with xdotool every few milliseconds), and its
#     resident memory one second later; the medians, and VESK's ratios to the
#     empty window and to Piper;
#   - in process (build/config/app/vesk-bench): the first show of each page,
#     and the time of a page switch and of a profile switch, each a store, a
#     load and a full repaint.
# Goals: first window within 2x the empty window and at most 0.25x Piper's;
# at most 40 MB resident at 1x; each page's first show and each switch < 16 ms.
#   bash scripts/vesk-bench.sh [runs]     (default 7 rounds; needs a build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
vesk=$PWD/build/config/app/VESK
bench=$PWD/build/config/app/vesk-bench
empty=$PWD/build/tests/bench/empty-qt-window
sim=$PWD/build/simulator/tool/solune300-sim
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/install-deps.sh)"; exit 77; }
done
[ -x "$vesk" ] && [ -x "$bench" ] && [ -x "$empty" ] ||
  { echo "build first: cmake --build build --target VESK vesk-bench empty-qt-window"; exit 1; }

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

# The programs: a label, then the command (run through env, so a label can
# carry its own variables).
labels=("VESK" "VESK at 2x" "empty Qt 6 window")
commands=("$vesk" "QT_SCALE_FACTOR=2 $vesk" "$empty")
if command -v piper >/dev/null; then
  labels+=("Piper")
  commands+=("$(command -v piper)")
fi

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Starts command $1, prints "<ms to first visible window> <MB resident 1 s later>".
measure() {
  local start pid shown rss
  start=$(now_ms)
  # shellcheck disable=SC2086
  env $1 >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(now_ms) - start )) -gt 30000 ]; then
      echo "none none"; return
    fi
  done
  shown=$(( $(now_ms) - start ))
  sleep 1
  rss=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
  echo "$shown $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "none"; else print v[int((NR + 1) / 2)] }'; }

echo "Start to first visible window, and resident memory 1 s later ($runs rounds, interleaved):"
for run in $(seq "$runs"); do
  for i in "${!labels[@]}"; do
    read -r shown rss < <(measure "${commands[$i]}")
    echo "  round $run, ${labels[$i]}: first window after $shown ms, $rss MB resident"
    echo "$shown" >>"$work/times.$i"
    echo "$rss" >>"$work/rss.$i"
  done
done

echo
echo "| program | first window (median) | resident (median) |"
echo "|---|---|---|"
declare -A times
for i in "${!labels[@]}"; do
  times[$i]=$(grep -v none "$work/times.$i" | median)
  echo "| ${labels[$i]} | ${times[$i]} ms | $(grep -v none "$work/rss.$i" | median) MB |"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "none" }'; }
echo
echo "VESK / empty Qt 6 window: $(ratio "${times[0]}" "${times[2]}") (goal <= 2)"
if [ "${#labels[@]}" -gt 3 ]; then
  echo "VESK / Piper: $(ratio "${times[0]}" "${times[3]}") (goal <= 0.25)"
else
  echo "VESK / Piper: Piper is not installed"
fi

echo
echo "In process:"
"$bench" | sed 's/^/  /'
