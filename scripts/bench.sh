#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game optimised and runs the
# benchmarks with the game shown on a private X server: a title frame (drawn,
# copied, repainted) and the backdrop, then start-up to the first title frame,
# processor share on the title page and on the idle main page (each next to
# the game with a loop that never waits), the title page and the dice again
# with each speed device switched off (VANTIK_WITHOUT), processor share and
# tick gaps of the rolling dice, resident memory, and the floor: a bare Qt
# window doing as little.
# Extra arguments go to both benchmark programs (--benchmark_filter=Dice, say).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps-bench.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVANTIK_BENCH=ON
cmake --build build-bench -j"$(nproc)" --target vantik vantik_qt_floor vantik_bench vantik_game_bench

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -t 20 display <&"$display_fd"
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

build-bench/bench/vantik_bench "$@"
build-bench/bench/vantik_game_bench "$@"
