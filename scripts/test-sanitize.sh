#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Vivarnon with AddressSanitizer and UndefinedBehaviorSanitizer (clang, its own
# build folder build-sanitize/) and runs every test once more under them, then runs each
# fuzz target for a fixed number of inputs. Any finding fails the run.
#   VIV_FUZZ_RUNS    inputs per fuzz target (default 20000)
#   VIV_FUZZ_SECONDS at most this long per fuzz target (default 60)
#   VIV_SOAK_EVENTS  actions of the soak under the sanitizers (default 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
build=build-sanitize
source scripts/sanitize-config.sh
start=$SECONDS
configure_sanitize_build "$build"
cmake --build "$build" --target vivtests fuzz_jpeg fuzz_setup_file fuzz_script fuzz_rtf
echo "stage sanitizer build: $((SECONDS - start)) s"
start=$SECONDS

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Leaks inside the system's font and display libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export VIV_SOAK_EVENTS="${VIV_SOAK_EVENTS:-10000}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 1500
echo "stage sanitizer tests: $((SECONDS - start)) s"
start=$SECONDS

runs="${VIV_FUZZ_RUNS:-20000}"
seconds="${VIV_FUZZ_SECONDS:-60}"
for target in jpeg setup_file script rtf; do
  # The seeds are copied: what the fuzzer adds to its corpus stays in the build folder.
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work"
  cp -n fuzz/corpus/"$target"/* "$work"/
  log="$build/fuzz-$target.log"
  # A guidance text's faults show in short texts; long ones only slow the search down.
  max_len=65536
  [ "$target" = rtf ] && max_len=8192
  status=0
  "$build/fuzz_$target" -runs="$runs" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 -rss_limit_mb=3072 \
    -artifact_prefix="$build/fuzz-$target-" -print_final_stats=1 "$work" >"$log" 2>&1 || status=$?
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz_$target: ${executed:-?} inputs run, exit status $status"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz_$target found a fault; the input is in $build/fuzz-$target-*"
    exit 1
  fi
done
echo "stage fuzz: $((SECONDS - start)) s"
echo "sanitizer run: all tests and fuzz targets passed"
