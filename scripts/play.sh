#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game in build-play/ and starts it with
# that folder (which holds dat/) as its working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=Release
cmake --build build-play -j"$(nproc)"
cd build-play && exec ./vantik
