#!/usr/bin/env bash
# Installs the Debian 12 packages that the build and the tests need. Does nothing
# when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  libgtest-dev libgmock-dev
  libcli11-dev nlohmann-json3-dev
  libhidapi-dev libudev-dev
  qt6-base-dev fonts-dejavu-core
  libumockdev-dev umockdev
  libbenchmark-dev
  python3
  xvfb xdotool
  libglib2.0-dev gsettings-desktop-schemas libx11-dev
  desktop-file-utils appstream man-db dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
