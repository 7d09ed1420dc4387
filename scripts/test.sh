#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game with its tests and benchmarks
# (warnings are errors here) and runs every test through CTest: once on an
# optimised build (unit, widget, end-to-end and system tests under a private
# X server and sound server, and the Debian package's test, which installs
# the package on this machine and removes it again), then the whole suite
# again on a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# which also runs the save-file fuzz test.
#
# During development one test runs quickly with, for example:
#   ctest --test-dir build -R MidiHolderTest --output-on-failure
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps-test.sh
scripts/check-format.sh

# A test whose need (an audio output, root, the immutable flag) is missing
# fails here instead of skipping.
export VANTIK_NO_SKIPS=1

jobs="$(nproc)"

# A private sound server whose only sink discards what it plays, so that the
# sound players' tests hear real playback as on a desktop. The system tests
# start servers of their own. Without it those tests would quietly test
# silence, so the run stops when it does not come up.
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
sound_up=false
for _ in $(seq 200); do
  if pactl --server "unix:$sound/native" info >/dev/null 2>&1; then
    sound_up=true
    break
  fi
  kill -0 "$sound_pid" 2>/dev/null || break
  sleep 0.1
done
if ! $sound_up; then
  echo "test.sh: the private PulseAudio sound server did not start; its log:" >&2
  cat "$sound/log" >&2
  exit 1
fi
export PULSE_SERVER="unix:$sound/native"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DVANTIK_BENCH=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# What the package's checkers said, for the record.
cat build/package/checks.txt

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTIK_SANITIZE=ON -DBUILD_TESTING=ON \
  -DVANTIK_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The system tests drive the program from outside and add nothing under the
# sanitizers that the in-process tests do not already cover. This run has no
# sound server: a process that connected to one ends without exit handlers
# (see TLumeWave::EndNowIfSoundStarted), which would also skip the leak check; the
# tests of real playback, which ran above, are left out by name.
PULSE_SERVER="unix:$sound/none" ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE system \
  -E '^WaveSoundTest\.'
