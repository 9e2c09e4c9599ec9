# shellcheck shell=bash
# Shared by the end-to-end scripts: a private X display, a copy of the application folder, and
# small helpers to act and look at the screen.
set -euo pipefail

APP_DIR=$1
PROBE=$2
WORK=$(mktemp -d)
cp -r "$APP_DIR"/. "$WORK"/
DISPLAY_NUMBER=$((100 + RANDOM % 800))
export DISPLAY=:$DISPLAY_NUMBER
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME
PIDS=()

# Stops what the script started, newest first, whatever way the script ends.
cleanup() {
    local i
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/program.log" ]; then
        echo "--- program output:" >&2
        cat "$WORK/program.log" >&2
    fi
    exit 1
}

# Polls a command every 0.1 s until it succeeds; false after the given seconds.
poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ! "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

start_display() {
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    PIDS+=("$!")
    poll 5 xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
}

# Starts the program from the copy, under the wrapper command given, if any.
start_program() {
    "$@" "$WORK/orvella" >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    PIDS+=("$PROGRAM_PID")
}

program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }

# Waits for the program to end and checks its exit status.
expect_exit_status() {
    poll 10 program_ended || fail "the program is still running 10 s after its exit button"
    local status=0
    wait "$PROGRAM_PID" || status=$?
    [ "$status" -eq "$1" ] || fail "the program exited with status $status, expected $1"
}

# The position of a control's centre from the program's own layout at the start size.
where() { "$PROBE" | awk -v n="$1" '$1 == n { print $2, $3 }'; }

# Closes the splash with a key and waits for the main window, whose id goes into MAIN.
open_main_window() {
    local splash
    splash=$(wait_for_window "^Orvella$") || fail "no splash window within 20 s"
    xdotool windowfocus --sync "$splash" key space
    MAIN=$(wait_for_window "^Quennet-Brimlow$") || fail "the main window did not open after a key on the splash"
}

# Chooses the passport, opens the photo given through the dialog, drags over its face (a 600 x 800
# photo) and presses OK.
accept_passport_photo() {
    local x y
    read -r x y <<<"$(at passport)"
    click_at "$x" "$y"
    open_photo "$1"
    drag 170 200 430 560
    sleep 0.5
    read -r x y <<<"$(at ok)"
    click_at "$x" "$y"
}

# Checks the maximum resident set size that GNU time wrote into $WORK/time.txt against a limit in
# MB; the second argument says what the program was doing.
check_peak_memory() {
    local rss_kb
    rss_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$WORK/time.txt")
    [ -n "$rss_kb" ] || fail "GNU time reported no maximum resident set size"
    echo "e2e: maximum resident set size $2: $((rss_kb / 1024)) MB (limit $1 MB)"
    [ "$rss_kb" -le $(($1 * 1024)) ] || fail "the program held $((rss_kb / 1024)) MB $2, expected at most $1 MB"
}

# Asks the probe where things stand for a window of W x H twips showing a picture of the given
# size; then `at NAME` gives a control's centre and `on_photo X Y` the window point of a picture
# point.
probe_layout() {
    "$PROBE" "$@" >"$WORK/probe.txt"
    read -r fit_left fit_top fit_scale <<<"$(awk '$1 == "fitted" { print $2, $3, $4 }' "$WORK/probe.txt")"
}
at() { awk -v n="$1" '$1 == n { print $2, $3 }' "$WORK/probe.txt"; }
on_photo() { awk -v l="$fit_left" -v t="$fit_top" -v s="$fit_scale" -v x="$1" -v y="$2" \
    'BEGIN { printf "%d %d\n", l + x * s + 0.5, t + y * s + 0.5 }'; }

# Drags a selection between two points of the picture, in five steps as a hand would.
drag() {
    local fx fy tx ty step
    read -r fx fy <<<"$(on_photo "$1" "$2")"
    read -r tx ty <<<"$(on_photo "$3" "$4")"
    xdotool mousemove --window "$MAIN" "$fx" "$fy" mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove --window "$MAIN" $((fx + (tx - fx) * step / 5)) $((fy + (ty - fy) * step / 5))
        sleep 0.05
    done
    xdotool mouseup 1
}

# Clicks a control named by the probe and waits until the window shows the result.
press() {
    local x y
    read -r x y <<<"$(at "$1")"
    shoot "$MAIN" "$WORK/before.png"
    xdotool mousemove --window "$MAIN" "$x" "$y" click 1
    poll 10 looks_different "$WORK/before.png" || fail "nothing changed on screen after a click on $1"
    sleep 0.2
}

# Clicks at a point of the window's client area.
click_at() { xdotool mousemove --window "$MAIN" "$1" "$2" click 1; sleep 0.4; }

# Saves a picture of one window, without time stamps so that an unchanged look gives the same file.
shoot() { import -window "$1" -define png:exclude-chunks=date,time "$2"; }

# The colour of one pixel of the window, as "r,g,b".
pixel() {
    shoot "$MAIN" "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# Succeeds once the window looks different from the picture given.
looks_different() {
    shoot "$MAIN" "$WORK/now.png"
    [ "$(compare -metric AE "$1" "$WORK/now.png" null: 2>&1 || true)" != 0 ]
}

# The id of the first visible window whose name matches, waiting up to 20 s for it.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Answers the message box titled $1, window $2, with Return and waits until no such box shows.
close_box() {
    xdotool windowfocus --sync "$2" key Return
    poll 5 bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1" ||
        fail "the message titled $1 did not close on Return"
}

dialog_closed() { ! xdotool search --onlyvisible --name "^Carica Immagine$" >/dev/null 2>&1; }

# Opens a photo through the program's open button and dialog, typing its full path into the file
# name field.
open_photo() {
    local x y dialog
    read -r x y <<<"$(where open)"
    xdotool mousemove --window "$MAIN" "$x" "$y" click 1
    dialog=$(wait_for_window "^Carica Immagine$") || fail "the open dialog 'Carica Immagine' did not appear"
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool type --delay 15 "$1"
    xdotool key Return
    poll 10 dialog_closed || fail "the open dialog stayed open after Return on the path $1"
}
