#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Extracts every string literal of the program's sources into a template:
#   bash scripts/extract-texts.sh [BUILD_DIR]      (default: build)
# writes BUILD_DIR/i18n/literals.pot (every literal, with where it stands) and
# BUILD_DIR/i18n/vivarnon.pot (the user texts: the literals with a letter in them, less
# those listed in i18n/not-texts.txt).
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-build}"
mkdir -p "$build_dir/i18n"
out="$(cd "$build_dir/i18n" && pwd)"
export LC_ALL=C.UTF-8

# The core, the windows and the program's own window; the Qt canvases hold no texts.
cd "$source_dir"
find sims app library windows gui -path library/canvas -prune -o \
     -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort > "$out/sources.txt"
xgettext -a -C --from-code=UTF-8 --no-wrap --sort-by-file --package-name=Vivarnon \
         -f "$out/sources.txt" -o "$out/literals.pot" 2> "$out/xgettext.log" || {
  cat "$out/xgettext.log" >&2
  exit 1
}

# A text with a per cent sign is no printf format here: the lookup swaps whole texts, and
# "100% skalatro" and "100% true to scale" need not agree as formats.
sed -i -e '/^#, c-format$/d' -e 's/^\(#,.*\), c-format/\1/' -e 's/^#, c-format, /#, /' \
    "$out/literals.pot"

# The literals that are no user texts, as a catalogue of their own: each line of
# not-texts.txt is a msgid written as in a .pot file (C escapes, without the quotes).
{
  printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\n'
  sed '/^$/d; s/^/msgid "/; s/$/"\nmsgstr ""\n/' i18n/not-texts.txt
} > "$out/not-texts.pot"

# The messages of catalogue A that are not in catalogue B (gettext's tools compare msgids).
minus() {
  msgcat --no-wrap --less-than=2 "$1" "$2" -o "$out/minus.tmp"
  rm -f "$3"
  [ -f "$out/minus.tmp" ] && msgcomm --no-wrap --more-than=1 "$out/minus.tmp" "$1" -o "$3"
  rm -f "$out/minus.tmp"
  # The tools write no file when no message is left.
  [ -f "$3" ] || printf 'msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n' > "$3"
}

# A piece without letters (", ", "°") needs no translation.
msggrep --no-wrap -K -E -e '[[:alpha:]]' "$out/literals.pot" -o "$out/with-letters.pot"
minus "$out/with-letters.pot" "$out/not-texts.pot" "$out/vivarnon.pot"
echo "$(awk 'BEGIN { RS = "" } /(^|\n)#:/ && !/Content-Type/ { n++ } END { print n }' "$out/vivarnon.pot") texts in $out/vivarnon.pot" >&2
