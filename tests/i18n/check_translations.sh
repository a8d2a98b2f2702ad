#!/usr/bin/env bash
# Vivarnon, physics of light, colour and waves for school.
# Copyright (C) 2026 the Vivarnon developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails, naming each one with where it stands, when a user text of the sources has no
# English translation in i18n/en.po (an empty or fuzzy msgstr counts as none):
#   bash tests/i18n/check_translations.sh BUILD_DIR
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build_dir="${1:-build}"
bash "$source_dir/scripts/extract-texts.sh" "$build_dir"
out="$(cd "$build_dir/i18n" && pwd)"
export LC_ALL=C.UTF-8

# The catalogue's translations for the code's texts; a fuzzy one counts as none.
msgmerge --quiet --no-wrap --no-fuzzy-matching "$source_dir/i18n/en.po" "$out/vivarnon.pot" \
         -o "$out/merged.po"
msgattrib --no-wrap --clear-fuzzy --empty "$out/merged.po" -o "$out/unfuzzy.po"
# msgattrib writes no file when no message is left.
rm -f "$out/untranslated.pot"
msgattrib --no-wrap --untranslated --no-obsolete "$out/unfuzzy.po" -o "$out/untranslated.pot"
touch "$out/untranslated.pot"
# Each untranslated text with where it stands, the header left out.
untranslated="$(awk 'BEGIN { RS = ""; ORS = "\n\n" } !/Content-Type: text\/plain/' "$out/untranslated.pot")"
if [ -n "$untranslated" ]; then
  echo "Texts of the code without an English translation in i18n/en.po ($(grep -c '^msgid' <<< "$untranslated")):"
  grep -v '^msgstr' <<< "$untranslated"
  echo "Add each to i18n/en.po, or, if it is no user text, to i18n/not-texts.txt."
  exit 1
fi
echo "Every text of the code has an English translation."
