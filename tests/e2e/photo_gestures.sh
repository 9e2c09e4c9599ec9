#!/usr/bin/env bash
# The photo page as people handle image programs, with real X events: the splash in the middle of
# the screen, Ctrl+O for the open dialog, Ctrl + wheel zooming in, ZOOM + held down, a selection
# moved by dragging it and by an arrow key and resized by its corner (checked in the saved
# FotoAppoggio.bmp), Return building the sheet and Escape going back a page.
source "$(dirname "$0")/common.sh"

# A photo whose colour tells the place: red grows to the right, green downwards, so that the first
# pixel of a capture says where it was taken.
PHOTO="$WORK/posizioni.jpg"
convert -size 600x800 xc:'rgb(128,128,128)' -type TrueColor -channel R -fx 'i/(w-1)' -channel G -fx 'j/(h-1)' +channel \
    -density 96 -units PixelsPerInch -quality 97 "$PHOTO"
probe_layout 11000 8600 600 800

# Where the capture in FotoAppoggio.bmp was taken from: "left top width height", in photo pixels.
captured() {
    local file="$WORK/FotoAppoggio.bmp"
    identify -format '%w %h ' "$file"
    convert "$file" -crop 1x1+1+1 -format '%[fx:r*255] %[fx:g*255]' info: |
        awk '{ printf "%d %d\n", $1 / 255 * 599 - 1 + 0.5, $2 / 255 * 799 - 1 + 0.5 }'
}
# Succeeds when a value lies within a tolerance of the one expected.
near() { [ $(($1 - $2)) -le "$3" ] && [ $(($2 - $1)) -le "$3" ]; }
# Waits for OK's sheet: a new FotoAppoggio.bmp, then the sheet page.
wait_for_capture() {
    poll 20 test -s "$WORK/FotoAppoggio.bmp" || fail "$1: Return on the photo page wrote no FotoAppoggio.bmp"
    poll 30 test -s "$WORK/Passaporto.jpg" || fail "$1: Return on the photo page built no sheet"
}
# The number of columns of the photo control's middle row that show the photo, not the grey
# around it.
photo_columns() {
    local x y
    read -r x y <<<"$(at photo)"
    shoot "$MAIN" "$WORK/row.png"
    convert "$WORK/row.png" -crop "400x1+$((x - 200))+$y" -depth 8 txt:- |
        awk -F"[(),]" 'NR > 1 && $5 + 0 >= 116 && $5 + 0 <= 140 { n++ } END { print n + 0 }'
}

start_display
start_program

# The splash: 600 x 553 pixels, in the middle of the 1280 x 1024 screen.
SPLASH=$(wait_for_window "^Orvella$") || fail "no splash window"
read -r sx sy <<<"$(xdotool getwindowgeometry "$SPLASH" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')"
near "$sx" 340 1 && near "$sy" 235 1 || fail "the splash stands at $sx,$sy, expected 340,235 (centred)"
xdotool windowfocus --sync "$SPLASH" key space
MAIN=$(wait_for_window "^Quennet-Brimlow$") || fail "the main window did not open after a key on the splash"
sleep 0.5
press passport

# Ctrl+O opens the dialog.
xdotool windowfocus --sync "$MAIN" key ctrl+o
DIALOG=$(wait_for_window "^Carica Immagine$") || fail "Ctrl+O did not open 'Carica Immagine'"
xdotool windowfocus --sync "$DIALOG"
sleep 0.3
xdotool type --delay 15 "$PHOTO"
xdotool key Return
poll 10 dialog_closed || fail "the open dialog stayed open after Return on the path"
sleep 0.5

# Ctrl + wheel over the photo zooms in about the pointer: the photo is shown larger, LblZoom changes.
read -r zx zy <<<"$(at zoomlabel)"
read -r cx cy <<<"$(at photo)"
shoot "$MAIN" "$WORK/fitted.png"
convert "$WORK/fitted.png" -crop "60x24+$((zx - 30))+$((zy - 12))" "$WORK/label-fitted.png"
fitted_columns=$(photo_columns)
xdotool mousemove --window "$MAIN" "$cx" "$cy" keydown ctrl click 4 click 4 click 4 keyup ctrl
sleep 0.5
zoomed_columns=$(photo_columns)
[ "$zoomed_columns" -gt $((fitted_columns * 12 / 10)) ] ||
    fail "after Ctrl + wheel the photo is $zoomed_columns columns wide, before $fitted_columns: not larger"
shoot "$MAIN" "$WORK/zoomed.png"
convert "$WORK/zoomed.png" -crop "60x24+$((zx - 30))+$((zy - 12))" "$WORK/label-zoomed.png"
[ "$(compare -metric AE "$WORK/label-fitted.png" "$WORK/label-zoomed.png" null: 2>&1 || true)" != 0 ] ||
    fail "LblZoom did not change after Ctrl + wheel"
echo "e2e: Ctrl + wheel: the photo went from $fitted_columns to $zoomed_columns columns"

# ZOOM - held two seconds back below the fit, then ZOOM + held two seconds: more than ten steps
# each, about 6 columns of the 600 pixel wide photo per step.
# Holds the button named by the probe down for two seconds.
hold() {
    local x y
    read -r x y <<<"$(at "$1")"
    xdotool mousemove --window "$MAIN" "$x" "$y" mousedown 1
    sleep 2
    xdotool mouseup 1
    sleep 0.5
}
hold zoomout
low_columns=$(photo_columns)
hold zoomin
high_columns=$(photo_columns)
[ $((high_columns - low_columns)) -gt 60 ] ||
    fail "holding ZOOM + two seconds widened the photo from $low_columns to $high_columns columns: not more than ten steps"
echo "e2e: ZOOM + held two seconds: $low_columns -> $high_columns columns"

# Back to the fit: the passport again lays the photo page out with the photo fitted.
xdotool windowfocus --sync "$MAIN" key Escape
sleep 0.5
press passport
open_photo "$PHOTO"
sleep 0.5

# The photo at 96 dpi gets the passport's default selection of 102 x 132 pixels, whose
# proportions every selection keeps.
# A selection over (170, 200) - (430, 560): kept 360 high and 278 wide. Dragged from inside by
# (-100, -120), then Shift + Down (ten pixels of the screen, 40 of the photo at the fitted 25 %),
# it is captured at (70, 120) with the same size; Return builds the sheet.
drag 170 200 430 560
sleep 0.3
drag 300 380 200 260
sleep 0.5
xdotool windowfocus --sync "$MAIN" key shift+Down
sleep 0.5
xdotool key Return
wait_for_capture "the moved selection"
read -r w h left top <<<"$(captured)"
near "$w" 278 6 && near "$h" 360 6 || fail "the moved capture is ${w}x$h, expected about 278x360"
near "$left" 70 16 && near "$top" 120 16 ||
    fail "the moved capture was taken at $left,$top, expected about 70,120 (the drawn one stood at 170,200)"
echo "e2e: moved selection captured at $left,$top, ${w}x$h"

# Escape on the sheet page and on the photo page: page 1, then page 0.
rm "$WORK/FotoAppoggio.bmp" "$WORK/Passaporto.jpg"
xdotool windowfocus --sync "$MAIN" key Escape
sleep 0.5
shoot "$MAIN" "$WORK/page1.png"
read -r ox oy <<<"$(at open)"
xdotool key Escape
sleep 0.5
read -r px py <<<"$(at passport)"
[ "$(pixel "$ox" "$oy")" != "$(convert "$WORK/page1.png" -crop "1x1+$ox+$oy" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)" ] ||
    fail "Escape on the photo page left APRI FOTO on screen"
press passport
open_photo "$PHOTO"
sleep 0.5

# The bottom-right handle of the same selection dragged to (520, 740): the top-left corner stays,
# 540 high, 417 wide.
drag 170 200 430 560
sleep 0.3
drag 448 560 520 740
sleep 0.5
xdotool windowfocus --sync "$MAIN" key Return
wait_for_capture "the resized selection"
read -r w h left top <<<"$(captured)"
near "$h" 540 8 || fail "the resized capture is ${w}x$h, expected about 417x540"
near $((w * 132)) $((h * 102)) 132 || fail "the resized capture ${w}x$h lost the passport's proportions"
near "$left" 170 16 && near "$top" 200 16 ||
    fail "the resized capture was taken at $left,$top, expected its corner to stay at about 170,200"
echo "e2e: resized selection captured at $left,$top, ${w}x$h"

kill -0 "$PROGRAM_PID" || fail "the program died"
echo "e2e: splash centred, Ctrl+O, Ctrl + wheel, ZOOM + held, move, resize, Return and Escape work"
