#!/usr/bin/env bash
# Installs every Debian package the game, its tools and its tests need. Safe to run again: it installs only what is
# missing, so a machine that has everything pays one dpkg query.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config
  libglfw3-dev libgl-dev libopenal-dev libstb-dev libcairo2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils openbox wmctrl imagemagick sox python3 vorbis-tools strace
  clang libclang-rt-14-dev valgrind libsdl2-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
