#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# The package built and installed on fresh machines, as a school's IT administrator would
# (as root; needs debootstrap and about 3 GB in WORK):
#   sudo bash scripts/check-fresh-system.sh [WORK]
# 1. A minimal Debian 12 system made with debootstrap gets a clean copy of the committed
#    source and runs `bash scripts/package.sh` there: the set-up, the build and the package.
# 2. A second fresh system installs that package with apt and draws a picture with
#    `vivarnon --script`.
# WORK (default /var/tmp/vivarnon-fresh) keeps both systems, the package and the picture.
# VIV_MIRROR names the Debian mirror (default: the first one apt is configured with).
set -euo pipefail
cd "$(dirname "$0")/.."
work="$(realpath -m "${1:-/var/tmp/vivarnon-fresh}")"
mirror="${VIV_MIRROR:-}"
if [ -z "$mirror" ]; then
  mirror=$(grep -rhoE '^(URIs:|deb) +https?://[^ ]+' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null |
           awk '{print $2}' | grep -v security | head -n 1 || true)
  mirror="${mirror:-http://deb.debian.org/debian}"
fi
source_commit=$(git rev-parse HEAD)

fresh_system() {  # DIR: a minimal Debian 12 system in DIR, made once
  if [ ! -e "$1/etc/debian_version" ]; then
    rm -rf "$1"
    debootstrap --variant=minbase bookworm "$1" "$mirror"
  fi
  cp /etc/resolv.conf "$1/etc/resolv.conf"
}

in_system() {  # DIR COMMAND: runs COMMAND as root inside DIR with a clean environment
  local root=$1
  shift
  mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
  local status=0
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    bash -euo pipefail -c "$*" || status=$?
  umount "$root/proc"
  return $status
}

mkdir -p "$work"
echo "== the build system ($work/build-root), source $source_commit"
fresh_system "$work/build-root"
rm -rf "$work/build-root/src"
mkdir -p "$work/build-root/src"
git archive HEAD | tar -x -C "$work/build-root/src"
in_system "$work/build-root" "cd /src && bash scripts/package.sh"
deb=$(ls "$work"/build-root/src/build/vivarnon_*.deb)
cp "$deb" "$work/"
echo "== the package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends

echo "== a second fresh system ($work/run-root) installs it"
fresh_system "$work/run-root"
cp "$deb" "$work/run-root/tmp/"
in_system "$work/run-root" "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$(basename "$deb") >/dev/null &&
  mkdir -p /tmp/figure && cd /tmp/figure && printf 'select 7\nkey F6\nsave drop.png\ncaption\n' | vivarnon --script - &&
  vivarnon --version"
cp "$work/run-root/tmp/figure/drop.png" "$work/drop.png"
echo "== the installed program drew $work/drop.png ($(stat -c %s "$work/drop.png") bytes)"
