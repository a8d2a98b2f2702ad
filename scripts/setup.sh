#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Vivarnon.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev
          libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev xvfb xauth fonts-dejavu-core
          ccache qt6-translations-l10n clang libclang-rt-14-dev appstream)
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
