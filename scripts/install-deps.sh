#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and playing the game need on Debian 12, and any
# further packages named on the command line (install-deps-bench.sh and
# install-deps-test.sh add theirs that way). Runs apt-get as root (through
# sudo when started by another user).
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-multimedia-dev libgl-dev libxkbcommon-dev
  qt6-l10n-tools qt6-tools-dev gettext
  fonts-ipafont-gothic fonts-dejavu-core fonts-noto-cjk fonts-noto-ui-core
  qt6-translations-l10n
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
