#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing Sector Clash needs. Safe to run again.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config lld
  libsdl2-dev libsdl2-mixer-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libfreetype-dev libfontconfig-dev fontconfig fonts-dejavu-core fonts-liberation2
  zlib1g-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth icoutils xdotool
  clang libclang-rt-14-dev
  dpkg-dev file lintian appstream man-db mandoc
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_if_needed=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_if_needed=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_if_needed[@]}" apt-get update -qq
"${sudo_if_needed[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
