#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package build/vivarnon_VERSION_ARCH.deb on a Debian 12 machine (installs
# what is missing first), shows its dependencies and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIV_BUILD_TESTS=OFF >/dev/null
fi
cmake --build build --target vivarnon vivdocs
(cd build && cpack -G DEB)
deb=$(ls -t build/vivarnon_*.deb | head -n 1)
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
lintian --fail-on error,warning "$deb"
echo "package: $deb"
