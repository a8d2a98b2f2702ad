#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the program alone (no tests, no benchmarks) into build/ and starts it; on a fresh
# Debian 12 machine it first installs what the build needs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh program
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIV_BUILD_TESTS=OFF >/dev/null
fi
cmake --build build --target vivarnon
exec build/vivarnon "$@"
