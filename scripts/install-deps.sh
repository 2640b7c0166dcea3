#!/usr/bin/env bash
# Installs the Debian 12 packages that the build and the tests need. Does nothing
# when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  libgtest-dev libgmock-dev
  libcli11-dev nlohmann-json3-dev
  libhidapi-dev libudev-dev
  qt6-base-dev fonts-dejavu-core fonts-liberation2
  libx11-dev libxi-dev
  libumockdev-dev umockdev
  libbenchmark-dev
  python3
  xvfb xdotool x11-utils openbox trayer
  dbus at-spi2-core python3-pyatspi
  locales
  libglib2.0-dev gsettings-desktop-schemas libx11-dev
  desktop-file-utils appstream man-db dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale that writes numbers with a decimal comma, for the tests that check
# that version texts do not follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${as_root[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
