#!/usr/bin/env bash
# A button picture missing from the application folder: after the splash the program names the
# file in a message and ends with a non-zero status, without drawing its window.
source "$(dirname "$0")/common.sh"

rm "$WORK/CacheBottoni/ok.jpg"
start_display
start_program

SPLASH=$(wait_for_window "^Orvella$") || fail "no splash window"
xdotool windowfocus --sync "$SPLASH" key space
BOX=$(wait_for_window "^53$") || fail "no message titled 53 for the missing picture"
! xdotool search --onlyvisible --name "^Quennet-Brimlow$" >/dev/null 2>&1 || fail "the main window was drawn without its pictures"
xdotool windowfocus --sync "$BOX" key Return
expect_exit_status 1
echo "e2e: a missing button picture is named and the program ends with status 1"
