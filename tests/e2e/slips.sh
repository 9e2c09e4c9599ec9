#!/usr/bin/env bash
# A user's slips with real X events: a chord of mouse buttons on a picture button, a double-click
# on INDIETRO that changes page under the second click, and a sheet whose cutting template is
# missing. Each time the window goes on with its page and its buttons.
source "$(dirname "$0")/common.sh"

PHOTO="$WORK/ritratto.jpg"
convert -size 600x800 gradient:'#dce8f4'-'#f3e4cc' -fill '#f0c4a2' -draw 'ellipse 300,380 150,200 0,360' \
    -quality 92 "$PHOTO"
probe_layout 11000 8600 600 800
alive() { kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended: $1"; }

start_display
start_program
open_main_window
sleep 0.5

# Without a window manager the window's client area is centred on the 1280 x 1024 screen.
position=$(xdotool getwindowgeometry "$MAIN" | awk '/Position/ { print $2 }')
[ "$position" = "273,225" ] || fail "the window stands at $position, expected 273,225 (centred)"

# A chord: left down on PASSAPORTO, a right click, the left released outside. The button shows its
# own picture again, and nothing was chosen.
read -r px py <<<"$(at passport)"
shoot "$MAIN" "$WORK/page0.png"
own=$(pixel "$px" "$py")
xdotool mousemove --window "$MAIN" "$px" "$py" mousedown 1
sleep 0.2
[ "$(pixel "$px" "$py")" != "$own" ] || fail "the pressed look did not show"
xdotool click 3
sleep 0.2
xdotool mousemove --window "$MAIN" 5 5 mouseup 1
own_again() { [ "$(pixel "$px" "$py")" = "$own" ]; }
poll 5 own_again || fail "after the chord PASSAPORTO shows $(pixel "$px" "$py"), not its own $own"
looks_same() { shoot "$MAIN" "$WORK/now.png"; [ "$(compare -metric AE "$1" "$WORK/now.png" null: 2>&1 || true)" = 0 ]; }
looks_same "$WORK/page0.png" || fail "page 0 does not look as before the chord"

# A double-click on page 1's INDIETRO, which stands where page 0's ESCI does: page 0, still running.
press passport
read -r bx by <<<"$(at back1)"
xdotool mousemove --window "$MAIN" "$bx" "$by" click --repeat 2 --delay 120 1
sleep 1
alive "a double-click on INDIETRO reached ESCI on page 0"
looks_same "$WORK/page0.png" || fail "after the double-click on INDIETRO the window does not show page 0"

# A photo, a selection, OK with the passport template gone: the message, then the sheet page with
# its buttons; INDIETRO leads back to the photo page.
press passport
open_photo "$PHOTO"
shoot "$MAIN" "$WORK/before.png"
drag 120 100 480 560
poll 10 looks_different "$WORK/before.png" || fail "the drag changed nothing on screen"
read -r ax ay <<<"$(at open)"
open_button=$(pixel "$ax" "$ay")
rm "$WORK/TaglioPP.jpg"
read -r ox oy <<<"$(at ok)"
xdotool mousemove --window "$MAIN" "$ox" "$oy" click 1
BOX=$(wait_for_window "^53$") || fail "no message titled 53 for the missing template"
close_box 53 "$BOX"
sleep 0.3
read -r qx qy <<<"$(at back2)"
shoot "$MAIN" "$WORK/after.png"
[ "$(convert "$WORK/after.png" -format '%[fx:standard_deviation > 0.02]' info:)" = 1 ] ||
    fail "after the message the window is one flat colour: no page is shown"
xdotool mousemove --window "$MAIN" "$qx" "$qy" click 1
back_on_page1() { [ "$(pixel "$ax" "$ay")" = "$open_button" ]; }
poll 10 back_on_page1 || fail "INDIETRO of the sheet page did not lead back to the photo page"
alive "after the missing template"
echo "e2e: chord, double-click across pages and a missing template leave the window usable"
