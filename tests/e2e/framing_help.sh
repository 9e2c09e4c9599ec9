#!/usr/bin/env bash
# The framing help on a real portrait: the head guides inside the selection and over the preview,
# and the preview's border that turns green for a selection that frames the head as an identity
# photo wants it and amber, with its tooltip, for one that leaves the head too small.
# Screenshots of both go into the folder given as third argument.
source "$(dirname "$0")/common.sh"
DOCS=$3
mkdir -p "$DOCS"

# python3-skimage's astronaut portrait at twice its size, as a camera's photo would be.
PHOTO="$WORK/astronauta.jpg"
convert "$4/astronaut.png" -resize 200% -quality 92 "$PHOTO"
probe_layout 11000 8600 1024 1024
read -r bx by <<<"$(at previewframe)"
border_is() { [ "$(pixel "$bx" "$by")" = "$1" ]; }

# Shoots the window into the screenshots folder once two shots in a row are alike.
document() {
    local file="$DOCS/$1" previous="$WORK/previous.png"
    rm -f "$previous"
    for _ in $(seq 50); do
        shoot "$MAIN" "$file"
        if [ -f "$previous" ] && [ "$(compare -metric AE "$previous" "$file" null: 2>&1 || true)" = 0 ]; then
            return 0
        fi
        cp "$file" "$previous"
        sleep 0.1
    done
    fail "$1: the window did not settle within 5 s"
}

# A screen as large as the window, so that the tooltip stays on it and in the screenshot.
Xvfb "$DISPLAY" -screen 0 733x573x24 -nolisten tcp >/dev/null 2>&1 &
PIDS+=("$!")
poll 5 xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
start_program
open_main_window
read -r px py <<<"$(at passport)"
click_at "$px" "$py"
open_photo "$PHOTO"
sleep 0.5

# The head (hair top 32, chin 348 of the 1024 pixels) at 76 % of the selection's height, centred.
# Drawn from its bottom-right corner: a drag that starts inside the default selection, at the
# photo's top-left, would move that one instead.
drag 610 418 290 2
poll 10 border_is "46,158,68" || fail "the border is $(pixel "$bx" "$by") after framing the head, expected green 46,158,68"
document page1-guides-green.png

# The head at half the selection's height: too small, and the tooltip says so.
drag 208 2 692 632
poll 10 border_is "240,160,32" || fail "the border is $(pixel "$bx" "$by") after a loose framing, expected amber 240,160,32"
xdotool mousemove --window "$MAIN" $((bx + 40)) "$by"
sleep 2
shoot root "$DOCS/page1-guides-amber.png"

read -r qx qy <<<"$(at exit1)"
xdotool mousemove --window "$MAIN" "$qx" "$qy" click 1
expect_exit_status 0
echo "e2e: green border for a head at 76 %, amber for one at 50 %; screenshots in $DOCS"
