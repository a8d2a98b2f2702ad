# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# The one configuration of the checked build in build-sanitize/ (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer and the fuzz targets), shared by scripts/test-sanitize.sh and
# scripts/fuzz.sh so that neither makes the other rebuild everything.
# Optimised lightly and with line tables only: the sanitizers' reports keep their file and
# line, and the build takes a good deal less time than with full debug information.
configure_sanitize_build() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
    -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -gline-tables-only" \
    -DCMAKE_CXX_COMPILER=clang++ -DVIV_SANITIZE=ON -DVIV_FUZZ=ON >/dev/null
}
