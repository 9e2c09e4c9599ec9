#!/usr/bin/env bash
# Fails when a text of the program has no finished Italian translation: lupdate, run over the
# sources into a copy of the translation file, adds every new or changed text as unfinished.
# Usage: translations_complete.sh LUPDATE TS_FILE SOURCES_LIST [LUPDATE_OPTIONS...]
set -euo pipefail
lupdate=$1 ts=$2 sources=$3
shift 3

copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
"$lupdate" -silent @"$sources" -ts "$copy" "$@"

# Unfinished entries carry a type; an empty translation is no translation either.
lacking='<translation type="unfinished"|<translation></translation>'
if grep -q -E "$lacking" "$copy"; then
    echo "texts without a finished Italian translation in $(basename "$ts"):"
    grep -B1 -E "$lacking" "$copy" | grep -v -E "$lacking" || true
    echo "run: cmake --build build --target update_translations, then translate them"
    exit 1
fi
echo "every text of the program has its Italian translation"
