#!/usr/bin/env bash
# The program starts with its splash, a key closes it, the main window opens at its start size,
# and the passport button leads to the photo page.
source "$(dirname "$0")/common.sh"

start_display
start_program

SPLASH=$(wait_for_window "^Orvella$") || fail "no splash window"
xdotool windowfocus --sync "$SPLASH"
xdotool key space

MAIN=$(wait_for_window "^Quennet-Brimlow$") || fail "the main window did not open after a key on the splash"
sleep 0.5
geometry=$(xdotool getwindowgeometry "$MAIN" | awk '/Geometry/ { print $2 }')
[ "$geometry" = "733x573" ] || fail "main window is $geometry, expected 733x573"

read -r px py <<<"$(where passport)"
read -r ex ey <<<"$(where photo)"
before_photo=$(pixel "$ex" "$ey")
before_button=$(pixel "$px" "$py")
click_at "$px" "$py"
photo_shown() { [ "$(pixel "$ex" "$ey")" != "$before_photo" ]; }
button_gone() { [ "$(pixel "$px" "$py")" != "$before_button" ]; }
poll 10 photo_shown || fail "the photo control did not appear after the passport click"
poll 10 button_gone || fail "the passport button is still shown after its click"

kill -0 "$PROGRAM_PID" || fail "the program died"
echo "e2e: splash closed by a key, window 733x573, passport -> photo page"
