#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what a fresh Debian 12 machine lacks, with apt-get:
#   bash scripts/setup.sh [program|package|all]
#   program  what building and starting the program needs (gettext's msgfmt compiles the
#            English texts)
#   package  that, and what building and checking the Debian package needs (cpack's
#            `file`, dpkg-shlibdeps from dpkg-dev, lintian, the desktop entry's validator)
#   all      (the default) that, and the tests, benchmarks, sanitizers, fuzzing and clang-tidy
set -euo pipefail
what="${1:-all}"
program=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev
         libboost-math-dev fonts-dejavu-core ccache qt6-translations-l10n qt6-qpa-plugins
         gettext)
package=(file dpkg-dev lintian desktop-file-utils appstream)
tests=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev clang-format
       clang-tidy)
case "$what" in
  program) packages=("${program[@]}") ;;
  package) packages=("${program[@]}" "${package[@]}") ;;
  all) packages=("${program[@]}" "${package[@]}" "${tests[@]}") ;;
  *) echo "usage: scripts/setup.sh [program|package|all]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
