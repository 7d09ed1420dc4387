#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it with the build
# folder (which holds dat/) as its working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVANTIK_TESTS=OFF -DVANTIK_BENCH=OFF
cmake --build build -j"$(nproc)"
cd build && exec ./vantik
