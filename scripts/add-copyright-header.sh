#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Puts the copyright notice at the top of every source file that lacks it (run it again:
# files that have it stay as they are). With --check, only lists the files that lack it
# and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
mark="SPDX-License-Identifier: GPL-2.0-or-later"
check=false
[ "${1:-}" = "--check" ] && check=true
missing=0
while IFS= read -r -d '' f; do
  head -n 5 "$f" | grep -q "$mark" && continue
  missing=$((missing + 1))
  if $check; then
    echo "$f"
    continue
  fi
  case "$f" in
    *.cpp | *.h | *.in) c="//" ;;
    *) c="#" ;;
  esac
  notice="$c Vivarnon, physics of light, colour and waves for school.
$c Copyright (C) 2026 the Vivarnon developers
$c $mark"
  tmp=$(mktemp)
  if head -n 1 "$f" | grep -q '^#!'; then
    { head -n 1 "$f"; printf '%s\n' "$notice"; tail -n +2 "$f"; } >"$tmp"
  else
    { printf '%s\n' "$notice"; cat "$f"; } >"$tmp"
  fi
  chmod --reference="$f" "$tmp"
  mv "$tmp" "$f"
done < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in' '*.cmake' 'CMakeLists.txt' 'scripts/*.sh' '.ci/run')
if $check; then
  [ "$missing" -eq 0 ] || { echo "$missing files lack the copyright notice" >&2; exit 1; }
else
  echo "notice added to $missing files"
fi
