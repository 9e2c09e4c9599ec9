#!/usr/bin/env bash
# INQUADRA VISO on a real portrait, clicked with real X events: the preview's border turns green
# and the line under the button says so; OK then saves a FotoAppoggio.bmp whose head lies in the
# bands. The page, framed, is shot at the start size and at the smallest into the folder given
# as fourth argument. Ctrl+I does the same as the click.
source "$(dirname "$0")/common.sh"
FRAMING_PROBE=$3
DOCS=$4
mkdir -p "$DOCS"

# python3-skimage's astronaut on a wider wall at twice its size, so that the framing has room.
PHOTO="$WORK/ritratto con spazio.jpg"
convert "$5/astronaut.png" -background "rgb(214,205,204)" -gravity center -extent 800x760 \
    -resize 200% -quality 92 "$PHOTO"

start_display
start_program
open_main_window
probe_layout 11000 8600 1600 1520
read -r bx by <<<"$(at previewframe)"
border_is() { [ "$(pixel "$bx" "$by")" = "$1" ]; }
press passport
open_photo "$PHOTO"
sleep 0.5

press frameface
poll 10 border_is "46,158,68" || fail "the border is $(pixel "$bx" "$by") after INQUADRA VISO, expected green 46,158,68"
shoot "$MAIN" "$DOCS/page1-framed.png"

# The smallest window: the line under the button is still whole.
xdotool windowsize --sync "$MAIN" 500 555
sleep 1
shoot "$MAIN" "$DOCS/page1-framed-small.png"
xdotool windowsize --sync "$MAIN" 733 573
sleep 1

# A loose drag turns the border amber; Ctrl+I frames the head again.
drag 400 150 1100 1100
poll 10 border_is "240,160,32" || fail "the border is $(pixel "$bx" "$by") after a loose drag, expected amber"
xdotool windowfocus --sync "$MAIN" key ctrl+i
poll 10 border_is "46,158,68" || fail "the border is $(pixel "$bx" "$by") after Ctrl+I, expected green"

press ok
[ -f "$WORK/FotoAppoggio.bmp" ] || fail "OK wrote no FotoAppoggio.bmp"
read -r _ verdict crown head centre <<<"$("$FRAMING_PROBE" "$WORK/FotoAppoggio.bmp")"
[ "$verdict" = fits ] || fail "the accepted photo reads '$verdict' (crown $crown %, head $head %, off centre $centre %)"
awk -v c="$crown" -v h="$head" -v o="$centre" 'BEGIN { exit !(c >= 6.7 && c <= 11.1 && h >= 71 && h <= 80 && o <= 5) }' ||
    fail "the head is out of the bands: crown $crown %, head $head %, off centre $centre %"

read -r qx qy <<<"$(at exit2)"
xdotool mousemove --window "$MAIN" "$qx" "$qy" click 1
expect_exit_status 0
echo "e2e: INQUADRA VISO and Ctrl+I framed the head; FotoAppoggio.bmp: crown $crown %, head $head %, centre off by $centre %"
