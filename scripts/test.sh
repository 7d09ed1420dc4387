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

# A private sound server whose only sink discards what it plays, so that the
# sound players' tests hear real playback as on a desktop. The system tests
# start servers of their own.
sound="$(mktemp -d)"
mkdir -m 700 "$sound/runtime"
env -u DBUS_SESSION_BUS_ADDRESS -u PULSE_SERVER HOME="$sound" XDG_RUNTIME_DIR="$sound/runtime" \
  PULSE_RUNTIME_PATH="$sound/runtime" XDG_CONFIG_HOME="$sound/config" PULSE_STATE_PATH="$sound/state" \
  pulseaudio -n --daemonize=no --system=false --use-pid-file=no --exit-idle-time=-1 \
  --disallow-exit --realtime=no --high-priority=no --log-target=stderr \
  -L "module-null-sink sink_name=test_out" \
  -L "module-native-protocol-unix socket=$sound/native auth-anonymous=1" >"$sound/log" 2>&1 &
sound_pid=$!
trap 'kill "$sound_pid" 2>/dev/null || true; rm -rf "$sound"' EXIT
for _ in $(seq 100); do
  pactl --server "unix:$sound/native" info >/dev/null 2>&1 && break
  sleep 0.1
done
export PULSE_SERVER="unix:$sound/native"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVANTIK_TESTS=ON -DVANTIK_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTIK_SANITIZE=ON -DVANTIK_TESTS=ON -DVANTIK_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The system tests drive the program from outside and add nothing under the
# sanitizers that the in-process tests do not already cover. This run has no
# sound server: a process that connected to one ends without exit handlers
# (see TLumeWave::EndProgram), which would also skip the leak check.
PULSE_SERVER="unix:$sound/none" ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE system
