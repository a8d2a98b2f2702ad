#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Vivarnon and runs every test (no display needed). Only what the tests need is
# built: the program and the test binary (the benchmarks are built by scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Rebuilds come from the compiler cache, whatever folder the clone is in.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
start=$SECONDS
# VIV_WERROR=ON (continuous integration) makes every warning an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIV_BUILD_TESTS=ON \
  -DVIV_WERROR="${VIV_WERROR:-OFF}" >/dev/null
cmake --build build --target vivarnon vivtests
echo "stage build: $((SECONDS - start)) s"
start=$SECONDS
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
echo "stage tests: $((SECONDS - start)) s"
