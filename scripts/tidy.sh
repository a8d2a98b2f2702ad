#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs clang-tidy with the committed .clang-tidy over every source of the project (library,
# app, sims, windows, gui, bench, fuzz, tests), two at a time, and fails on any finding.
# It reads the compilation database of the checked build in build-sanitize/ (clang, the one
# configuration that also holds the fuzz targets); configuring it compiles nothing.
#   bash scripts/tidy.sh [REGEX]   only the sources whose path from the top folder starts
#                                  with REGEX (for example 'windows/|tests/gui/')
# The whole tree (238 sources) takes about 14 minutes of processor time: about 7 minutes on a
# quiet two-core machine (11 to 22 on one that builds besides), within continuous
# integration's 30 minutes with its other 15.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/sanitize-config.sh
build=build-sanitize
start=$SECONDS
configure_sanitize_build "$build"
sources="^$PWD/(${1:-(library|app|sims|windows|gui|bench|fuzz|tests)/})"
count=$(python3 -c 'import json, re, sys
print(sum(1 for e in json.load(open(sys.argv[1])) if re.search(sys.argv[2], e["file"])))' \
  "$build/compile_commands.json" "$sources")
if [ "$count" -eq 0 ]; then
  echo "tidy: no source matches $sources in $build/compile_commands.json" >&2
  exit 1
fi
log="$build/tidy.log"
status=0
run-clang-tidy -p "$build" -j 2 -quiet "$sources" >"$log" 2>&1 || status=$?
# A header's finding shows once for every source that includes it: each is listed once.
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' |
  sed "s#^$PWD/##; s#^$build/layers/[a-z]*/##" | sort -u || true)
echo "stage tidy: $((SECONDS - start)) s"
if [ -n "$findings" ] || [ "$status" -ne 0 ]; then
  echo "$findings"
  echo "tidy: $(grep -c . <<<"$findings") findings in $count sources (run-clang-tidy exit status $status; full output in $log)"
  exit 1
fi
echo "tidy: $count sources, no findings"
