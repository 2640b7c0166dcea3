#!/usr/bin/env bash
# The installed tree, as a user gets it from `cmake --install` (or the .deb).
#
#   InstallTest.sh tree     BUILD   install into a DESTDIR with the prefix /usr: the
#                                   files and links, no demo firmware package,
#                                   desktop-file-validate, appstreamcli validate, the
#                                   manual page, the installed command line
#   InstallTest.sh programs BUILD   the installed programs on a private Xvfb, run
#                                   through their links in bin/ from a tree moved
#                                   elsewhere after installing: W38Updater with a
#                                   package folder updates a virtual mouse, VESK (when
#                                   built) shows its window; each finds its skins
#   InstallTest.sh package  BUILD   cpack -G DEB; the package listed with dpkg-deb -c,
#                                   its control data and a simulated apt install
#
# Exit status 0 passed, 1 failed, 77 skipped (a tool the check needs is missing).
set -uo pipefail

mode=$1
build=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/solune-install-XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@" >"$work/check.out" 2>&1; then echo "ok: $what"; else cat "$work/check.out"; fail "$what"; fi; }
need() { for tool in "$@"; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }; done; }
has_vesk() { [ -e "$build/config/app/VESK" ]; }

install_tree() {  # DESTDIR PREFIX
  DESTDIR=$1 cmake --install "$build" --prefix "$2" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
}

# Width and height of a BMP picture.
bmp_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(26); w,h=struct.unpack("<ii",d[18:26]); print(f"{w}x{abs(h)}")' "$1"; }

check_tree() {
  local root=$work/dest usr=$work/dest/usr
  install_tree "$root" /usr
  check "programs in lib/solune300" test -x "$usr/lib/solune300/W38Updater"
  check "W38Updater link" test "$(readlink "$usr/bin/W38Updater")" = ../lib/solune300/W38Updater
  check "the updater's 32 screen pictures" test "$(ls "$usr/lib/solune300/SOLUNE300Updater_Skins" | wc -l)" -eq 32
  check "solune300ctl and solune300-sim in bin" test -x "$usr/bin/solune300ctl" -a -x "$usr/bin/solune300-sim"
  check "udev rule under /usr/lib/udev/rules.d" test -f "$usr/lib/udev/rules.d/70-solune300.rules"
  check "man page" test -f "$usr/share/man/man1/solune300ctl.1"
  local size
  for size in 16 22 24 32 48 64 128 256; do
    check "updater icon ${size}x${size}" test -f "$usr/share/icons/hicolor/${size}x${size}/apps/com.dravik.solune300.w38updater.png"
  done
  if has_vesk; then
    check "VESK link" test "$(readlink "$usr/bin/VESK")" = ../lib/solune300/VESK
    check "VESK's skins" test -f "$usr/lib/solune300/SOLUNE300_Skins/Main_Normal.bmp"
    check "VESK icon" test -f "$usr/share/icons/hicolor/256x256/apps/com.dravik.solune300.vesk.png"
    check "metainfo" test -f "$usr/share/metainfo/com.dravik.solune300.vesk.metainfo.xml"
  fi

  # The demo firmware package stays in the build tree.
  check "the build has a demo package" test -f "$build/updater/app/config.ini"
  check "no firmware package installed" test -z "$(find "$root" \( -name '*.fub' -o -name config.ini -o -name image.bin \) -print)"

  local desktop
  for desktop in "$usr"/share/applications/*.desktop; do
    check "desktop-file-validate $(basename "$desktop")" desktop-file-validate "$desktop"
  done
  check "the updater's entry takes a package folder" grep -q '^Exec=W38Updater %f$' "$usr/share/applications/com.dravik.solune300.w38updater.desktop"
  local metainfo=$usr/share/metainfo/com.dravik.solune300.vesk.metainfo.xml
  if [ -f "$metainfo" ]; then
    check "appstreamcli validate (installed)" appstreamcli validate --no-net "$metainfo"
  else
    # Without VESK no metainfo is installed; the file it would be stays valid.
    check "appstreamcli validate (source)" appstreamcli validate --no-net "$(dirname "$0")/../../packaging/com.dravik.solune300.vesk.metainfo.xml"
  fi

  local warnings
  warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/man/man1/solune300ctl.1" 2>&1 >"$work/man.txt")
  check "man page renders without warnings" test -z "$warnings"
  check "man page lists pointer apply" grep -q "solune300ctl pointer apply" "$work/man.txt"
  check "man page lists firmware update" grep -q "solune300ctl firmware update" "$work/man.txt"

  check "installed solune300ctl runs" "$usr/bin/solune300ctl" --help
  local shown
  shown=$(SOLUNE300_POINTER_BACKEND=none "$usr/bin/solune300ctl" pointer show)
  check "installed solune300ctl pointer show" test "$(echo $shown)" = '{ "backend": "none", "values": {} }'
}

# The virtual mouse is back in normal mode with firmware 1.08.
mouse_is_updated() {
  "$1/solune300-sim" show | python3 -c 'import json, sys
s = json.load(sys.stdin)
sys.exit(0 if s["firmwareVersion"] == 108 and s["mode"] == "normal" else 1)'
}

# A private X server; DISPLAY is set to it.
start_xvfb() {
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
  pids+=($!)
  local number
  read -r -t 20 number <"$work/displayfd" || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$number"
}

# True once the window's geometry is WxH, waiting up to 10 s.
window_has_size() {
  local i
  for i in $(seq 1 100); do
    [ "$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# The first visible window of a process, waiting up to 30 s.
window_of() { timeout 30 xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -n 1; }

check_programs() {
  need Xvfb xdotool python3
  install_tree "$work/dest" /usr
  # Moved after installing: the programs find their files wherever the tree is.
  mv "$work/dest/usr" "$work/moved"
  local bin=$work/moved/bin
  export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SOLUNE300_RUNTIME_FOLDER=$work/run/solune300 QT_QPA_PLATFORM=xcb
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  export SOLUNE300_SIMULATOR=$work/mouse.json
  start_xvfb

  # A firmware package of the virtual mouse in a downloads folder, and a mouse
  # left in its boot loader: the updater sends the image at once.
  (printf 'SOLUNE300-FW:1.08'; head -c 3000 /dev/zero) >"$work/image.bin"
  "$bin/solune300ctl" firmware pack "$work/image.bin" --version 1.08 --out "$work/download" >/dev/null ||
    fail "firmware pack"
  "$bin/solune300-sim" create --firmware 1.05 >/dev/null && "$bin/solune300-sim" mode bootloader >/dev/null ||
    fail "virtual mouse"

  "$bin/W38Updater" "$work/download" 2>"$work/updater.err" &
  local updater=$!
  pids+=($updater)
  local window
  window=$(window_of $updater)
  check "W38Updater shows its window" test -n "$window"
  # The window appears at once and takes its screen picture's size when the
  # start check has chosen the screen, so wait for that size.
  local screen_size
  screen_size=$(bmp_size "$(ls -d "$work"/moved/lib/solune300/SOLUNE300Updater_Skins/*.bmp | head -n 1)")
  check "W38Updater's window is its screen picture" window_has_size "$window" "$screen_size"
  local i
  for i in $(seq 1 120); do
    mouse_is_updated "$bin" && break
    sleep 1
  done
  check "W38Updater installed the package from its argument" mouse_is_updated "$bin"
  check "W38Updater still runs (no picture missing)" kill -0 $updater
  kill $updater 2>/dev/null

  if has_vesk; then
    "$bin/solune300-sim" create --force >/dev/null
    "$bin/VESK" 2>"$work/vesk.err" &
    local vesk=$!
    pids+=($vesk)
    window=$(window_of $vesk)
    check "VESK shows its window" test -n "$window"
    check "VESK's window is its main picture" test \
      "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')" = \
      "$(bmp_size "$work/moved/lib/solune300/SOLUNE300_Skins/Main_Normal.bmp")"
    sleep 2
    check "VESK still runs (no picture missing)" kill -0 $vesk
    kill $vesk 2>/dev/null
  else
    echo "note: VESK is not built; only W38Updater was run"
  fi
}

check_package() {
  need cpack dpkg-deb dpkg-shlibdeps
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
  local deb
  deb=$(ls "$work"/pkg/solune300_*.deb)
  check "package name solune300_<version>_<arch>.deb" test -f "$deb"
  dpkg-deb -c "$deb" >"$work/contents.txt"
  dpkg-deb -I "$deb" >"$work/info.txt"
  echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, $(grep -vc '/$' "$work/contents.txt") files and links"
  grep -E '^ (Depends|Recommends|Installed-Size):' "$work/info.txt"
  local entry
  for entry in ./usr/lib/solune300/W38Updater ./usr/bin/solune300ctl ./usr/bin/solune300-sim \
               ./usr/lib/udev/rules.d/70-solune300.rules ./usr/share/man/man1/solune300ctl.1 \
               ./usr/share/applications/com.dravik.solune300.w38updater.desktop; do
    check "package holds $entry" grep -q " $entry\$" "$work/contents.txt"
  done
  check "package links bin/W38Updater" grep -q ' ./usr/bin/W38Updater -> ../lib/solune300/W38Updater$' "$work/contents.txt"
  if has_vesk; then
    check "package links bin/VESK" grep -q ' ./usr/bin/VESK -> ../lib/solune300/VESK$' "$work/contents.txt"
  fi
  check "package holds no firmware package" test -z "$(grep -E '\.fub$|/config\.ini$' "$work/contents.txt")"
  check "postinst reloads the udev rules" sh -c "dpkg-deb --ctrl-tarfile '$deb' | tar -xO ./postinst | grep -q 'udevadm control --reload-rules'"
  local lib
  for lib in libqt6widgets6 libhidapi-hidraw0 libudev1 libglib2.0-0 libx11-6 qt6-qpa-plugins fonts-liberation2; do
    check "depends on $lib" grep -q "^ Depends:.*$lib" "$work/info.txt"
  done
  if command -v apt-get >/dev/null; then
    check "apt-get install --simulate finds every dependency" apt-get install --simulate -qq "$deb"
  fi
}

case $mode in
  tree) check_tree ;;
  programs) check_programs ;;
  package) check_package ;;
  *) echo "usage: $0 tree|programs|package BUILD"; exit 2 ;;
esac
[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
