#!/usr/bin/env bash
# The package's menu entry and AppStream metadata pass the validators that menus and software
# centres apply, without a warning, and say what the menu must show.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail
desktop=$1
metainfo=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"
echo "desktop-file-validate $(basename "$desktop"): no error, no warning"
appstreamcli validate --no-net "$metainfo"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key GenericName)" = "Foto per documenti" ] || fail "GenericName is '$(key GenericName)'"
[ "$(key Categories)" = "Graphics;Photography;" ] || fail "Categories is '$(key Categories)'"
[ "$(key Exec)" = "orvella" ] || fail "Exec is '$(key Exec)': the program takes no file"
[ -n "$(key Comment)" ] || fail "no Comment"
grep -q '<caption>[^<]' "$metainfo" || fail "the screenshot has no caption"
grep -q '<release version="[0-9.]*" date="[0-9-]*"' "$metainfo" || fail "no release"
