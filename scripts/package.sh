#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from this tree with
# dpkg-buildpackage, whose build (debian/rules) runs the offscreen tests
# unless DEB_BUILD_OPTIONS holds nocheck.
# Usage: scripts/package.sh [folder]; the folder, build-package/ by default,
# receives a copy of the tree's files (those git tracks or would track) as
# vantik-<version>/, the upstream tarball made from it, and what
# dpkg-buildpackage makes: vantik_<version>-<revision>_<architecture>.deb,
# the .dsc, .changes and .buildinfo files.
set -euo pipefail
source="$(realpath "$(dirname "$0")/..")"
out="$(realpath -m "${1:-$source/build-package}")"
cd "$source"
scripts/install-deps.sh debhelper dpkg-dev git libgtest-dev

name="$(dpkg-parsechangelog -S Source)"
version="$(dpkg-parsechangelog -S Version)"
upstream="${version%-*}"
# The upstream tarball's file times are those of the release in the change
# log, as dpkg-buildpackage takes them for the build.
epoch="$(dpkg-parsechangelog -S Timestamp)"
tree="$out/$name-$upstream"
rm -rf "$tree" "$out/${name}"_*
mkdir -p "$tree"
# Only files that exist: a tracked file may have been deleted in the tree.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$tree"
tar -C "$out" --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
  --exclude="$name-$upstream/debian" -cf - "$name-$upstream" | xz -9 >"$out/${name}_$upstream.orig.tar.xz"
cd "$tree"
dpkg-buildpackage -us -uc -J"$(nproc)"
