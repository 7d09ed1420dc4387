#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the test command needs on top of the benchmarks' packages
# (the test command builds the benchmarks too): GoogleTest; a private X
# server, accessibility bus and sound server with the Python bindings the
# system tests drive the game through; the screen reader Orca, whose log
# shows what a blind player hears; chattr for read-only save files; and
# the tools that make and check the Debian package and its licensing;
# Weston and Qt's Wayland platform for the game on Wayland; clang-format and
# git for the format check.
set -euo pipefail
exec "$(dirname "$0")/install-deps-bench.sh" \
  libgtest-dev clang-format git \
  python3 python3-xlib python3-numpy python3-gi gir1.2-atspi-2.0 at-spi2-core dbus-daemon \
  orca \
  pulseaudio pulseaudio-utils \
  e2fsprogs \
  debhelper dpkg-dev lintian desktop-file-utils appstream reuse \
  weston qt6-wayland \
  "$@"
