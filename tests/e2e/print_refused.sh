#!/usr/bin/env bash
# A print the print system refuses: the program starts on a test scheduler queue that rejects
# jobs, a passport sheet is composed and printed, and a message titled 482 comes up with the print
# system's reason; nothing is printed and the program goes on until its exit button.
source "$(dirname "$0")/common.sh"
QUEUE=OrvellaRifiuta

start_display
convert -size 600x800 gradient:'#9bb7d4-#e8eef5' -fill '#f0c4a2' -draw 'ellipse 300,380 120,160 0,360' \
    -quality 90 "$WORK/ritratto.jpg"
# The print system's default queue for this program only.
start_program env PRINTER="$QUEUE"

open_main_window
probe_layout 11000 8600 600 800

accept_passport_photo "$WORK/ritratto.jpg"
poll 30 test -s "$WORK/Passaporto.jpg" || fail "OK composed no passport sheet"

jobs_before=$(lpstat -W all -o "$QUEUE" 2>/dev/null | wc -l)
read -r x y <<<"$(at print)"
click_at "$x" "$y"
DIALOG=$(wait_for_window "^Stampa Foto$") || fail "the print button showed no dialog titled Stampa Foto"
xdotool windowfocus --sync "$DIALOG" key Return
BOX=$(wait_for_window "^482$") || fail "a print the queue refused showed no message titled 482"
[ "$(lpstat -W all -o "$QUEUE" 2>/dev/null | wc -l)" = "$jobs_before" ] || fail "a job reached $QUEUE"
close_box 482 "$BOX"

read -r x y <<<"$(at exit2)"
click_at "$x" "$y"
expect_exit_status 0
echo "e2e: a print refused by the print system is reported as error 482"
