#!/usr/bin/env bash
# Installs what the game needs to build, run and be tested on Debian 12.
# Runs apt-get as root (through sudo when started by another user).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev libxkbcommon-dev
  qt6-qpa-plugins
  libjpeg62-turbo-dev
  fonts-ipafont-gothic
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils python3-xlib imagemagick
  pulseaudio pulseaudio-utils sox
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-x11
  python3 python3-gi python3-numpy dbus-daemon
  e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
