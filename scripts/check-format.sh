#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ source of the tree is not formatted as
# .clang-format says. Format them with: clang-format -i <files>
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')
unformatted=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format.sh: not formatted as .clang-format says:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "check-format.sh: ${#files[@]} files formatted"
