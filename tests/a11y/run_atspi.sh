#!/usr/bin/env bash
# Runs the AT-SPI client (atspi_client.py) against the real programs under a
# private Xvfb display, a private D-Bus session and its accessibility bus,
# with a virtual mouse in a state file, all in one temporary folder.
#
#   run_atspi.sh vesk    VESK SIM   the screen-reader walk through VESK
#   run_atspi.sh dump    VESK SIM   VESK's accessible tree, one line per object
#   run_atspi.sh updater UPDATER SIM TEXT  W38Updater's first screen reads TEXT
#
# Exit status: the client's; 77 (skipped) where Xvfb, dbus-run-session, the
# accessibility bus or pyatspi are missing.
set -u

mode=${1:?mode}
program=${2:?program}
sim=${3:?simulator tool}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${SOLUNE_ATSPI_SESSION:-}" ]; then
  for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing"; exit 77; }
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is missing"; exit 77; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: pyatspi is missing"; exit 77; }
  work=$(mktemp -d)
  mkdir -m 700 "$work/run"
  # The session bus, the accessibility bus and the programs share this
  # runtime folder and nothing of the user's.
  XDG_RUNTIME_DIR="$work/run" HOME="$work" SOLUNE_ATSPI_SESSION="$work" \
    dbus-run-session -- "$0" "$@"
  status=$?
  rm -rf "$work"
  exit $status
fi

work=$SOLUNE_ATSPI_SESSION
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null
  done
}
trap cleanup EXIT

# -noreset: the accessibility bus launcher connects to the display and leaves
# again; a server that reset then would drop the program's first connection.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" \
  2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start"; exit 77; }

export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export XDG_CONFIG_HOME="$work/config"
export SOLUNE300_RUNTIME_FOLDER="$work/run/solune300"
export SOLUNE300_SIMULATOR="$work/mouse.json"
mkdir -p "$XDG_CONFIG_HOME"

# The accessibility bus: started through the session bus; without it no
# screen reader can listen.
if ! /usr/bin/python3 - <<'PY' >/dev/null 2>&1
import subprocess, sys
out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                      "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                     capture_output=True, text=True, timeout=20)
sys.exit(0 if out.returncode == 0 and "unix:" in out.stdout else 1)
PY
then
  echo "SKIP: the accessibility bus cannot start"
  exit 77
fi
dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null 2>&1

"$sim" --state "$SOLUNE300_SIMULATOR" create || exit 1

"$program" >"$work/program.log" 2>&1 &
pids+=($!)

case "$mode" in
  vesk) /usr/bin/python3 "$here/atspi_client.py" vesk "$SOLUNE300_SIMULATOR" "$sim" ;;
  dump) /usr/bin/python3 "$here/atspi_client.py" dump VESK ;;
  updater) /usr/bin/python3 "$here/atspi_client.py" updater "${4:?screen text}" ;;
  *) echo "unknown mode $mode"; exit 2 ;;
esac
status=$?
if [ $status -ne 0 ]; then
  echo "--- program output"
  cat "$work/program.log"
fi
exit $status
