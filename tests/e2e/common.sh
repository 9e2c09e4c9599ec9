# Shared by the end-to-end scripts: a private X display, a copy of the application folder, and
# small helpers to look at the screen.
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

cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_display() {
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    PIDS+=($!)
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
    fail "Xvfb did not start"
}

start_program() {
    "$WORK/orvella" >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    PIDS+=($PROGRAM_PID)
}

# The position of a control's centre from the program's own layout at the start size.
where() { "$PROBE" | awk -v n="$1" '$1 == n { print $2, $3 }'; }

# Clicks at a point of the window's client area.
click_at() { xdotool mousemove --window "$MAIN" "$1" "$2" click 1; sleep 0.4; }

# The colour of one pixel of the window, as "r,g,b".
pixel() {
    import -window "$MAIN" "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
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
