#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs one fuzz target for as long as one likes:
#   bash scripts/fuzz.sh jpeg|setup_file|script|rtf [SECONDS]   (no SECONDS: until stopped)
# Builds the targets in build-sanitize/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) first. An input that crashes or hangs the target is written
# to build-sanitize/fuzz-TARGET-crash-* (or -timeout-*); copy it to fuzz/regressions/TARGET/
# and mend the reader: the regression test runs every file there.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: scripts/fuzz.sh jpeg|setup_file|script|rtf [SECONDS]}"
seconds="${2:-0}"
case "$target" in jpeg|setup_file|script|rtf) ;; *) echo "no fuzz target $target" >&2; exit 2 ;; esac
bash scripts/setup.sh
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
build=build-sanitize
source scripts/sanitize-config.sh
configure_sanitize_build "$build"
cmake --build "$build" --target "fuzz_$target"
work="$build/fuzz-corpus/$target"
mkdir -p "$work"
cp -n fuzz/corpus/"$target"/* "$work"/
export QT_QPA_PLATFORM=offscreen
# A guidance text's faults show in short texts; long ones only slow the search down.
max_len=65536
[ "$target" = rtf ] && max_len=8192
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
exec "$build/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 -rss_limit_mb=3072 \
  -artifact_prefix="$build/fuzz-$target-" -print_final_stats=1 "$work" fuzz/regressions/"$target"
