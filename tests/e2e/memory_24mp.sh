#!/usr/bin/env bash
# The most memory the real program holds while it shows a 24-megapixel photo opened through the
# dialog, measured by GNU time; fails above the limit given in MB as third argument.
source "$(dirname "$0")/common.sh"
LIMIT_MB=$3
[ -x /usr/bin/time ] || fail "/usr/bin/time (package time) is not installed"

# Photo-like content: soft colour clouds with grain, so the JPEG is as large as a camera's.
PHOTO="$WORK/foto 24 megapixel.jpg"
convert -seed 7 -size 300x200 plasma:'#9ab'-'#643' -blur 0x2 -resize 6000x4000! \
    -attenuate 0.4 +noise Gaussian -quality 90 "$PHOTO"
# The colour the fitted photo shows at its centre: the mean of the pixels that one screen pixel covers.
expected=$(convert "$PHOTO" -crop 41x41+2980+1980 -resize '1x1!' \
    -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)
# Succeeds when two "r,g,b" colours differ by at most 12 in each channel.
near() { awk -v a="$1" -v b="$2" 'BEGIN { split(a, p, ","); split(b, q, ",")
    for (i = 1; i <= 3; i++) if (p[i] - q[i] > 12 || q[i] - p[i] > 12) exit 1 }'; }

start_display
start_program /usr/bin/time -v -o "$WORK/time.txt"
poll 5 pgrep -P "$PROGRAM_PID" >/dev/null || fail "the program did not start under /usr/bin/time"
PIDS+=("$(pgrep -P "$PROGRAM_PID")")

open_main_window

read -r px py <<<"$(where passport)"
read -r cx cy <<<"$(where photo)"
shows_other_than() { [ "$(pixel "$cx" "$cy")" != "$1" ]; }
shows_near() { near "$(pixel "$cx" "$cy")" "$1"; }
page0=$(pixel "$cx" "$cy")
click_at "$px" "$py"
poll 10 shows_other_than "$page0" || fail "the photo control did not appear after the passport click"

open_photo "$PHOTO"
poll 30 shows_near "$expected" ||
    fail "the photo control's centre shows $(pixel "$cx" "$cy") 30 s after the open, expected about $expected from the 24-megapixel photo"

read -r ex ey <<<"$(where exit1)"
xdotool mousemove --window "$MAIN" "$ex" "$ey" click 1
expect_exit_status 0

check_peak_memory "$LIMIT_MB" "showing a 24-megapixel photo"
