#!/usr/bin/env bash
# The installed tree, as a user gets it from `cmake --install` (or the .deb).
#
#   InstallTest.sh tree     BUILD   install into a DESTDIR with the prefix /usr: the
#                                   files and links, no demo firmware package,
#                                   desktop-file-validate, appstreamcli validate, the
#                                   manual pages, the copyright file and changelog, the
#                                   installed command line
#   InstallTest.sh programs BUILD   the installed programs on a private Xvfb, run
#                                   through their links in bin/ from a tree moved
#                                   elsewhere after installing: W38Updater with a
#                                   package folder updates a virtual mouse, VESK (when
#                                   built) shows its window; each finds its skins
#   InstallTest.sh package  BUILD   cpack -G DEB; the package listed with dpkg-deb -c,
#                                   its control data, its debug-symbol package, lintian
#                                   (no error or warning; a hardened build also without
#                                   the hardening and unneeded-section notes), a simulated
#                                   apt install; then, as root, a real apt install, the
#                                   programs and manual page from it, and a purge that
#                                   leaves none of the package's files behind
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

# A compressed manual page (gzip -9n: no name or time stamp inside) that
# renders without warnings; its text is left in $work/PROGRAM.txt.
check_man_page() {  # FILE PROGRAM
  check "man page $2.1.gz" test -f "$1"
  check "man page $2 compressed without name or time" \
    test "$(od -An -tx1 -j3 -N5 "$1" | tr -d ' ')" = 0000000000
  local warnings
  warnings=$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >"$work/$2.txt")
  check "man page $2 renders without warnings" test -z "$warnings"
  check "man page $2 names the program" grep -q "^NAME" "$work/$2.txt"
}

check_tree() {
  local root=$work/dest usr=$work/dest/usr
  install_tree "$root" /usr
  check "programs in lib/solune300" test -x "$usr/lib/solune300/W38Updater"
  check "W38Updater link" test "$(readlink "$usr/bin/W38Updater")" = ../lib/solune300/W38Updater
  check "the updater's 32 screen pictures" test "$(ls "$usr/lib/solune300/SOLUNE300Updater_Skins" | grep -vc '@2x')" -eq 32
  check "the updater's 32 screen pictures at 2x" test "$(ls "$usr/lib/solune300/SOLUNE300Updater_Skins" | grep -c '@2x\.bmp$')" -eq 32
  check "solune300ctl and solune300-sim in bin" test -x "$usr/bin/solune300ctl" -a -x "$usr/bin/solune300-sim"
  check "udev rule under /usr/lib/udev/rules.d" test -f "$usr/lib/udev/rules.d/70-solune300.rules"
  check "copyright file" grep -q '^License: MIT$' "$usr/share/doc/solune300/copyright"
  check "changelog, compressed" sh -c "gzip -dc '$usr/share/doc/solune300/changelog.gz' | head -n 1 | grep -q '^solune300 (1.0) '"
  local size
  for size in 16 22 24 32 48 64 128 256; do
    check "updater icon ${size}x${size}" test -f "$usr/share/icons/hicolor/${size}x${size}/apps/com.dravik.solune300.w38updater.png"
    check "updater icon ${size}x${size}@2" test -f "$usr/share/icons/hicolor/${size}x${size}@2/apps/com.dravik.solune300.w38updater.png"
  done
  if has_vesk; then
    check "VESK link" test "$(readlink "$usr/bin/VESK")" = ../lib/solune300/VESK
    check "VESK's skins" test -f "$usr/lib/solune300/SOLUNE300_Skins/Main_Normal.bmp"
    check "VESK's skins at 2x" test -f "$usr/lib/solune300/SOLUNE300_Skins/Main_Normal@2x.bmp"
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

  local program pages=(W38Updater solune300ctl solune300-sim)
  has_vesk && pages+=(VESK)
  for program in "${pages[@]}"; do
    check_man_page "$usr/share/man/man1/$program.1.gz" "$program"
  done
  check "man page lists pointer apply" grep -q "solune300ctl pointer apply" "$work/solune300ctl.txt"
  check "man page lists firmware update" grep -q "solune300ctl firmware update" "$work/solune300ctl.txt"
  check "man page lists solune300-sim fault" grep -q "solune300-sim fault" "$work/solune300-sim.txt"
  check "W38Updater's man page holds its usage" grep -q "Usage: W38Updater \[PACKAGE\]" "$work/W38Updater.txt"

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
  screen_size=$(bmp_size "$(ls -d "$work"/moved/lib/solune300/SOLUNE300Updater_Skins/*.bmp | grep -v '@2x' | head -n 1)")
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
  need cpack dpkg-deb dpkg-shlibdeps lintian
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
  local deb
  deb=$(ls "$work"/pkg/solune300_*.deb)
  check "package name solune300_<version>_<arch>.deb" test -f "$deb"
  dpkg-deb -c "$deb" >"$work/contents.txt"
  dpkg-deb -I "$deb" >"$work/info.txt"
  echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, $(grep -vc '/$' "$work/contents.txt") files and links"
  grep -E '^ (Depends|Installed-Size):' "$work/info.txt"
  local entry
  for entry in ./usr/lib/solune300/W38Updater ./usr/bin/solune300ctl ./usr/bin/solune300-sim \
               ./usr/lib/udev/rules.d/70-solune300.rules \
               ./usr/share/man/man1/W38Updater.1.gz ./usr/share/man/man1/solune300ctl.1.gz \
               ./usr/share/man/man1/solune300-sim.1.gz \
               ./usr/share/doc/solune300/copyright ./usr/share/doc/solune300/changelog.gz \
               ./usr/share/applications/com.dravik.solune300.w38updater.desktop; do
    check "package holds $entry" grep -q " $entry\$" "$work/contents.txt"
  done
  check "package links bin/W38Updater" grep -q ' ./usr/bin/W38Updater -> ../lib/solune300/W38Updater$' "$work/contents.txt"
  if has_vesk; then
    check "package links bin/VESK" grep -q ' ./usr/bin/VESK -> ../lib/solune300/VESK$' "$work/contents.txt"
    check "package holds VESK's manual page" grep -q ' ./usr/share/man/man1/VESK.1.gz$' "$work/contents.txt"
  fi
  check "package holds no firmware package" test -z "$(grep -E '\.fub$|/config\.ini$' "$work/contents.txt")"
  check "postinst reloads the udev rules" sh -c "dpkg-deb --ctrl-tarfile '$deb' | tar -xO ./postinst | grep -q 'udevadm control --reload-rules'"
  local dependency
  for dependency in libqt6widgets6 libhidapi-hidraw0 libudev1 libglib2.0-0 libx11-6 \
                    qt6-qpa-plugins udev fonts-liberation2 fonts-dejavu-core xdg-utils; do
    check "depends on $dependency" grep -q "^ Depends:.*$dependency" "$work/info.txt"
  done
  check_stripped_programs "$deb"
  check_lintian "$deb"
  if command -v apt-get >/dev/null; then
    check "apt-get install --simulate finds every dependency" apt-get install --simulate -qq "$deb"
  fi
  check_real_install "$deb"
}

# The programs in the package are stripped, their debugging information is in
# the -dbgsym package, found by build id; that package's sums name the files it
# holds, and lintian finds no error or warning in it.
check_stripped_programs() {  # DEB
  local ddeb unpacked=$work/unpacked
  ddeb=$(ls "$work"/pkg/solune300-dbgsym_*.ddeb 2>/dev/null)
  check "debug symbols in solune300-dbgsym_<version>_<arch>.ddeb" test -f "$ddeb"
  check "the dbgsym package's sums name its own files" sh -c \
    "dpkg-deb --ctrl-tarfile '$ddeb' | tar -xO ./md5sums | awk '{ print \$2 }' | grep -qv '^usr/lib/debug/' && exit 1; exit 0"
  check "lintian on the dbgsym package: no error, no warning" \
    lintian --fail-on error,warning "$ddeb"
  dpkg-deb -x "$1" "$unpacked"
  local program id
  for program in usr/bin/solune300ctl usr/bin/solune300-sim usr/lib/solune300/W38Updater; do
    check "$program is stripped" sh -c "file -L '$unpacked/$program' | grep -q ', stripped'"
    id=$(readelf -n "$unpacked/$program" | sed -n 's/.*Build ID: //p')
    check "$program's debugging information in the dbgsym package" \
      sh -c "dpkg-deb -c '$ddeb' | grep -q './usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug$'"
  done
}

# lintian finds no error and no warning; every other note it has (pedantic,
# informational, experimental) is printed. A hardened build (SOLUNE_HARDENED)
# must also be free of the hardening and unneeded-section notes, and its
# programs are checked for the protections themselves.
check_lintian() {  # DEB
  lintian --fail-on error,warning --pedantic --display-info --display-experimental \
    "$1" >"$work/lintian.txt" 2>&1
  local status=$?
  sed 's/^/lintian: /' "$work/lintian.txt"
  check "lintian: no error, no warning" test $status -eq 0
  if grep -q '^SOLUNE_HARDENED:BOOL=ON$' "$build/CMakeCache.txt"; then
    check "lintian: no hardening or unneeded-section note" \
      test -z "$(grep -E 'hardening-no-|binary-has-unneeded-section' "$work/lintian.txt")"
    check_hardened_programs
  else
    echo "note: not a hardened build (SOLUNE_HARDENED); the hardening is not checked"
  fi
}

# The protections of the package build in each program of the unpacked package.
check_hardened_programs() {
  local program file
  for program in usr/bin/solune300ctl usr/bin/solune300-sim usr/lib/solune300/W38Updater; do
    file=$work/unpacked/$program
    check "$program is position-independent" sh -c "readelf -h '$file' | grep -q 'Type:.*DYN'"
    check "$program binds every symbol at start (now)" sh -c "readelf -d '$file' | grep -qE 'FLAGS.*(BIND_NOW| NOW)'"
    check "$program has a read-only relocation segment (relro)" sh -c "readelf -lW '$file' | grep -q GNU_RELRO"
    check "$program calls checked libc functions (fortify)" sh -c "readelf --dyn-syms -W '$file' | grep -qE ' __[a-z0-9_]+_chk(@|$)'"
    check "$program has stack canaries" sh -c "readelf --dyn-syms -W '$file' | grep -q __stack_chk_fail"
    check "$program has no .comment section" sh -c "! readelf -SW '$file' | grep -q ' \.comment '"
  done
  # Debian 12's C start files carry no control-flow marking, so a linked
  # program never does; the build's own objects must.
  local object unmarked=0
  while read -r object; do
    readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK' || unmarked=$((unmarked + 1))
  done < <(find "$build" -name '*.o')
  check "every object of the build is marked for control-flow protection" test $unmarked -eq 0
}

# As root and only where the package is not installed already: apt installs
# it with its dependencies, the installed programs answer --help and man shows
# VESK's page; a purge then leaves none of the package's files behind.
check_real_install() {  # DEB
  if [ "$(id -u)" -ne 0 ]; then
    echo "note: not root; the package is not installed for real"
    return
  fi
  if dpkg-query -W -f='${Status}' solune300 2>/dev/null | grep -q "install ok installed"; then
    echo "note: solune300 is installed on this machine already; it is left alone"
    return
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$1" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install ./solune300_*.deb"; return; }
  dpkg -L solune300 >"$work/installed.txt"
  check "VESK --help (installed)" VESK --help
  check "W38Updater --help (installed)" W38Updater --help
  check "man VESK (installed)" sh -c "MANWIDTH=80 man -P cat VESK 2>&1 | grep -q 'configure the SOLUNE 300 gaming mouse'"
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq solune300 >>"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get purge solune300"; return; }
  check "purged: dpkg knows no solune300" sh -c "! dpkg-query -W -f='\${Status}' solune300 2>/dev/null | grep -q installed"
  local path left=()
  while read -r path; do
    # Folders the package shares with others (/usr/bin, ...) stay; its own
    # folders (/usr/lib/solune300, /usr/share/doc/solune300, ...) go.
    if [ -L "$path" ] || [ -f "$path" ]; then
      left+=("$path")
    elif [ -d "$path" ] && [[ $path == */solune300* ]]; then
      left+=("$path")
    fi
  done <"$work/installed.txt"
  check "purged: none of the package's $(wc -l <"$work/installed.txt") paths is left" test ${#left[@]} -eq 0
  [ ${#left[@]} -eq 0 ] || printf 'left: %s\n' "${left[@]}"
}

case $mode in
  tree) check_tree ;;
  programs) check_programs ;;
  package) check_package ;;
  *) echo "usage: $0 tree|programs|package BUILD"; exit 2 ;;
esac
[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
