#!/usr/bin/env bash
# The program as the package installs it for every user of a machine: the package built with
# cpack, unpacked into a tree owned by root, and the unpacked program run by an ordinary user made
# for the test, through open, drag and OK. The sheet lands in that user's own data folder, for
# them alone; nothing is written in the installed tree; no error box.
# Usage: installed_package.sh APP_DIR PROBE BUILD_DIR
source "$(dirname "$0")/common.sh"
BUILD_DIR=$3

cpack -G DEB -B "$WORK/package" --config "$BUILD_DIR/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack could not make the package: $(cat "$WORK/cpack.log")"
DEB=$(find "$WORK/package" -maxdepth 1 -name 'orvella_*_amd64.deb')
[ -n "$DEB" ] || fail "no orvella_<version>_amd64.deb in $(ls "$WORK/package")"
echo "e2e: $(basename "$DEB"): $(stat -c %s "$DEB") bytes"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
echo "e2e: Depends: $DEPENDS"
for package in libdlib-data qt6-translations-l10n fonts-liberation libqt6widgets6 libvips42 libcups2; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$DEPENDS" || fail "the package does not depend on $package"
done

# Unpacked as dpkg would install it: every file root's.
ROOT=$(mktemp -d)
USER_NAME=orvella-e2e-$$
USER_HOME=$(mktemp -u /tmp/orvella-e2e-home.XXXXXX)
# Qt makes the user a runtime folder in /tmp when the session gives none.
trap 'cleanup; userdel --remove "$USER_NAME" >/dev/null 2>&1 || true
      rm -rf "$ROOT" "$USER_HOME" "/tmp/runtime-$USER_NAME"' EXIT
chmod 755 "$ROOT"
dpkg-deb -x "$DEB" "$ROOT"
INSTALLED=$ROOT/opt/orvella
[ -x "$INSTALLED/orvella" ] || fail "no program in /opt/orvella"
for file in CacheBottoni/ok.jpg TaglioPP.jpg TaglioCI.jpg TaglioPA.jpg; do
    cmp -s "$APP_DIR/$file" "$INSTALLED/$file" || fail "/opt/orvella/$file is not the built one"
done
[ "$(readlink "$ROOT/usr/bin/orvella")" = /opt/orvella/orvella ] ||
    fail "/usr/bin/orvella does not lead to /opt/orvella/orvella"
for size in 48 128 256; do
    icon=$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/orvella.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "no ${size} x ${size} icon"
done
grep -q '<svg' "$ROOT/usr/share/icons/hicolor/scalable/apps/orvella.svg" || fail "no SVG icon"
DESKTOP=$(find "$ROOT/usr/share/applications" -name '*.desktop')
grep -qx 'Icon=orvella' "$DESKTOP" || fail "the menu entry does not name the icon"
[ -n "$(find "$ROOT/usr/share/metainfo" -name '*.metainfo.xml')" ] || fail "no AppStream metadata"
[ -z "$(find "$ROOT" ! -user root)" ] || fail "files not owned by root: $(find "$ROOT" ! -user root)"

# Every name, mode, size and content of the installed tree.
tree_state() (
    cd "$ROOT" && find . -printf '%p %m %s %U\n' | sort && find . -type f -exec md5sum {} + | sort
)
tree_state >"$WORK/tree.before"

useradd --create-home --home-dir "$USER_HOME" --shell /usr/sbin/nologin --user-group "$USER_NAME" ||
    fail "useradd could not make the test's user"
convert -size 600x800 gradient:'#9bb7d4-#e8eef5' -fill '#f0c4a2' -draw 'ellipse 300,380 120,160 0,360' \
    -quality 90 "$USER_HOME/ritratto.jpg"
chown "$USER_NAME:" "$USER_HOME/ritratto.jpg"

start_display
env -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$USER_HOME" USER="$USER_NAME" LOGNAME="$USER_NAME" \
    setpriv --reuid="$USER_NAME" --regid="$USER_NAME" --init-groups "$INSTALLED/orvella" \
    >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
PIDS+=("$PROGRAM_PID")

open_main_window
probe_layout 11000 8600 600 800
accept_passport_photo "$USER_HOME/ritratto.jpg"

DATA=$USER_HOME/.local/share/Orvella
poll 30 test -s "$DATA/Passaporto.jpg" || fail "no sheet in the user's data folder after OK: $(ls -la "$DATA" 2>&1)"
sleep 0.5
for title in '^[0-9]+$' '^ERRORE$'; do
    BOX=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -z "$BOX" ] || fail "an error box came up: $(xdotool getwindowname "$BOX")"
done
[ "$(identify -format '%w %h' "$DATA/Passaporto.jpg")" = "600 400" ] || fail "the sheet is not 600 x 400"
[ "$(stat -c '%a %U' "$DATA")" = "700 $USER_NAME" ] ||
    fail "the data folder is '$(stat -c '%a %U' "$DATA")', expected '700 $USER_NAME'"
for file in FotoAppoggio.bmp FotoResize.bmp Passaporto.jpg; do
    [ "$(stat -c '%a %U' "$DATA/$file")" = "600 $USER_NAME" ] ||
        fail "$file is '$(stat -c '%a %U' "$DATA/$file")', expected '600 $USER_NAME'"
done

read -r x y <<<"$(at exit2)"
click_at "$x" "$y"
expect_exit_status 0

tree_state >"$WORK/tree.after"
diff "$WORK/tree.before" "$WORK/tree.after" >"$WORK/tree.diff" ||
    fail "the installed tree changed: $(cat "$WORK/tree.diff")"
echo "e2e: the package's program, run by $USER_NAME, wrote its sheet into $DATA (0700, files 0600) and nothing into the installed tree"
