#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from this tree with
# dpkg-buildpackage, whose build (debian/rules) runs the offscreen tests
# unless DEB_BUILD_OPTIONS holds nocheck.
# Usage: scripts/package.sh [folder]; the folder, build-package/ by default,
# receives a copy of the tree's files (those git tracks or would track) as
# vantik-<version>/, so that build folders and other leftovers stay out of
# the source package, and what dpkg-buildpackage makes beside it: the
# upstream tarball, the .dsc, .changes and .buildinfo files and
# vantik_<version>-<revision>_<architecture>.deb.
set -euo pipefail
source="$(realpath "$(dirname "$0")/..")"
out="$(realpath -m "${1:-$source/build-package}")"
cd "$source"
scripts/install-deps.sh debhelper dpkg-dev git libgtest-dev

name="$(dpkg-parsechangelog -S Source)"
version="$(dpkg-parsechangelog -S Version)"
tree="$out/$name-${version%-*}"
rm -rf "$tree" "$out/${name}"_* "$out/${name}"-dbgsym_*
mkdir -p "$tree"
# Only files that exist: a tracked file may have been deleted in the tree.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$tree"
cd "$tree"
dpkg-buildpackage -us -uc -J"$(nproc)"
