#!/usr/bin/env bash
# Files no photo is, opened through the real dialog: a BMP cut short but named .jpg, a small JPEG
# declaring 11000 x 11000 pixels, a named pipe and 150 MB of noise. Each ends in message 481 while the window keeps
# answering; refusing them costs less than 100 MB over the idle program and the whole run stays
# under the peak resident memory given in MB as third argument.
source "$(dirname "$0")/common.sh"
LIMIT_MB=$3
REFUSAL_MB=100
[ -x /usr/bin/time ] || fail "/usr/bin/time (package time) is not installed"

convert -size 600x800 gradient:'#9bb7d4-#e8eef5' "$WORK/intera.bmp"
head -c 700000 "$WORK/intera.bmp" >"$WORK/tagliata.jpg"
convert -size 16x16 xc:gray -quality 75 "$WORK/bomba.jpg"
frame=$(LC_ALL=C grep -obUaP '\xff\xc0' "$WORK/bomba.jpg" | head -n 1 | cut -d: -f1)
[ -n "$frame" ] || fail "no frame header in the generated JPEG"
# 11000 = 0x2AF8, as height and width.
printf '\x2a\xf8\x2a\xf8' | dd of="$WORK/bomba.jpg" bs=1 seek=$((frame + 5)) conv=notrunc status=none
mkfifo "$WORK/tubo.jpg"
head -c 150M /dev/urandom >"$WORK/rumore.jpg"
convert -size 600x800 gradient:'#9bb7d4-#e8eef5' -quality 90 "$WORK/ritratto.jpg"

start_display
start_program /usr/bin/time -v -o "$WORK/time.txt"
poll 5 pgrep -P "$PROGRAM_PID" >/dev/null || fail "the program did not start under /usr/bin/time"
ORVELLA_PID=$(pgrep -P "$PROGRAM_PID")
PIDS+=("$ORVELLA_PID")

open_main_window
read -r px py <<<"$(where passport)"
read -r cx cy <<<"$(where photo)"
page0=$(pixel "$cx" "$cy")
shows_other_than() { [ "$(pixel "$cx" "$cy")" != "$1" ]; }
click_at "$px" "$py"
poll 10 shows_other_than "$page0" || fail "the photo page did not appear after the passport click"
blank=$(pixel "$cx" "$cy")

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$ORVELLA_PID/status"; }
idle_kb=$(peak_kb)
for name in tagliata.jpg bomba.jpg tubo.jpg rumore.jpg; do
    open_photo "$WORK/$name"
    BOX=$(wait_for_window "^481$") || fail "opening $name showed no message titled 481"
    close_box 481 "$BOX"
    [ "$(pixel "$cx" "$cy")" = "$blank" ] || fail "the photo control shows something after refusing $name"
done
refusal_kb=$(($(peak_kb) - idle_kb))
echo "e2e: refusing the four files raised the peak resident memory by $((refusal_kb / 1024)) MB (limit $REFUSAL_MB MB)"
[ "$refusal_kb" -le $((REFUSAL_MB * 1024)) ] ||
    fail "refusing the files took $((refusal_kb / 1024)) MB over the idle program, expected at most $REFUSAL_MB MB"

# Still answering: a real photo opens and shows.
open_photo "$WORK/ritratto.jpg"
poll 10 shows_other_than "$blank" || fail "a photo opened after the refusals did not show"

read -r ex ey <<<"$(where exit1)"
xdotool mousemove --window "$MAIN" "$ex" "$ey" click 1
expect_exit_status 0

check_peak_memory "$LIMIT_MB" "of the whole run"
