#!/usr/bin/env bash
# Builds everything and shows the programs at work against the virtual mouse.
# Where a display is available: the configuration program VESK, with the
# solune300-sim commands to try beside it (the mouse's profile button,
# unplugging, plugging). Without a display: profile files and settings images
# with solune300ctl, the profiles written into the mouse's slots and a firmware
# update through the boot loader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctl=build/tools/ctl/solune300ctl
sim=build/simulator/tool/solune300-sim
updater_dir=build/updater/app
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOLUNE300_SIMULATOR="$work/mouse.json"
export XDG_CONFIG_HOME="$work/config"   # the demo's log and data stay in the temporary folder

step() { printf '\n== %s\n' "$*"; }
# The first N lines of standard input; reads the rest so that no writer before
# it in a pipeline dies of a closed pipe.
first() { awk -v n="$1" 'NR <= n'; }

step "A virtual SOLUNE 300 with firmware 1.05 (solune300-sim create)"
"$sim" create --firmware 1.05 --force

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${SOLUNE_DEMO_CLI:-}" ]; then
  step "VESK, the configuration program, against the virtual mouse"
  cat <<EOT
Edit the five profiles on the five pages and press "Apply": every profile goes
into the mouse. In another terminal, try the mouse's side of it:

  export SOLUNE300_SIMULATOR=$SOLUNE300_SIMULATOR
  $PWD/$sim button            # the mouse's profile button: VESK follows within 2 s
  $PWD/$sim unplug            # the Support page shows -.--
  $PWD/$sim plug              # ... and the firmware version again after 0.9 s
  $PWD/$sim show | head -20   # the mouse's state, every slot's image as hex

"Cancel" hides the window; the tray icon (where the desktop has one) brings it
back, and its menu's "Exit" ends the program. Without a notification area,
"Cancel" minimises the window and closing it ends the program. Profiles and
macros are written to $XDG_CONFIG_HOME, a temporary folder that the demo
removes when VESK ends.
(SOLUNE_DEMO_CLI=1 runs the command-line demo instead.)
EOT
  build/config/app/VESK || true
  exit 0
fi

step "solune300ctl profile new Profile1.profile --name Profile1"
"$ctl" profile new "$work/Profile1.profile" --name Profile1
od -A d -t x1 "$work/Profile1.profile" | first 4

step "solune300ctl profile show Profile1.profile (first lines)"
"$ctl" profile show "$work/Profile1.profile" | first 12

step "Button 7 becomes 'Dpi up' and the lighting 'Breathing' (profile show | edit | profile write)"
"$ctl" profile show "$work/Profile1.profile" \
  | python3 -c 'import json,sys; p=json.load(sys.stdin); p["buttons"][7]["function"]=5; p["lightingEffect"]=4; print(json.dumps(p))' \
  | "$ctl" profile write "$work/Profile1.profile"

step "solune300ctl profile image Profile1.profile --slot 0 (the first 128 of 2048 bytes)"
"$ctl" profile image "$work/Profile1.profile" --slot 0 | fold -w 64 | first 4

step "The mouse: solune300ctl device info / write-profile / activate / active"
echo "firmware $("$ctl" device info)"
"$ctl" device write-profile "$work/Profile1.profile" --slot 0
"$ctl" device activate 0
echo "active slot $("$ctl" device active)"

step "The mouse's own profile button (solune300-sim button), then solune300ctl device active"
"$sim" button
echo "active slot $("$ctl" device active)"

step "solune300ctl firmware check: the demo package beside W38Updater against the mouse"
"$ctl" firmware check "$updater_dir" || true

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  step "W38Updater: press OK to install 1.08 (the window closes with OK at the end)"
  "$updater_dir/W38Updater" || true
else
  step "solune300ctl firmware update --yes (no display here for the W38Updater window)"
  "$ctl" firmware update --yes "$updater_dir"
fi
echo "firmware now $("$ctl" device info)"
