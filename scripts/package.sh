#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package: an optimised build for /usr with Debian's
# hardening flags and the launcher in /usr/games, where Debian keeps games,
# packed by CPack, whose dependencies dpkg-shlibdeps works out.
# Usage: scripts/package.sh [build folder [more cmake options]]; the folder,
# build-package/ by default, receives vantik_<version>_<architecture>.deb.
set -euo pipefail
build="$(realpath -m "${1:-$(dirname "$0")/../build-package}")"
shift || true
cd "$(dirname "$0")/.."
scripts/install-deps.sh file
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" "$@"
cmake --build "$build" -j"$(nproc)"
cd "$build" && cpack -G DEB
