#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the benchmarks need on top of building and playing: Google
# Benchmark, and a private X server to show the game on.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" libbenchmark-dev xvfb "$@"
