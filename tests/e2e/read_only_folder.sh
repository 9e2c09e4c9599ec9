#!/usr/bin/env bash
# The program run by a user who may write neither to its application folder nor in their home,
# where their own data folder would take the working files: opening a photo and selecting work,
# OK reports the working file it cannot write (error 75) and writes nothing, and the program goes
# on until its exit button.
source "$(dirname "$0")/common.sh"

start_display

# The photo and the program are readable by everybody; the folder is writable only by root.
convert -size 600x800 gradient:'#9bb7d4-#e8eef5' -fill '#f0c4a2' -draw 'ellipse 300,380 120,160 0,360' \
    -quality 90 "$WORK/ritratto.jpg"
chmod -R a+rX "$WORK"
chmod 755 "$WORK"
HOME_DIR=$(mktemp -d)
chmod 555 "$HOME_DIR"
start_program env HOME="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" setpriv --reuid=65534 --regid=65534 --clear-groups
trap 'rm -rf "$HOME_DIR"; cleanup' EXIT

open_main_window
probe_layout 11000 8600 600 800

accept_passport_photo "$WORK/ritratto.jpg"
BOX=$(wait_for_window "^75$") || fail "OK with no folder to write to showed no message titled 75"
[ ! -e "$WORK/FotoAppoggio.bmp" ] || fail "a working file was written in the read-only folder"
[ ! -e "$WORK/Passaporto.jpg" ] || fail "a sheet was written in the read-only folder"
[ -z "$(ls -A "$HOME_DIR")" ] || fail "something was written in the read-only home: $(ls -A "$HOME_DIR")"
close_box 75 "$BOX"

read -r x y <<<"$(at exit1)"
click_at "$x" "$y"
expect_exit_status 0
echo "e2e: no folder to write the working files in is reported by OK as error 75, and nothing is written"
