#!/usr/bin/env bash
# Where Qt's own Italian is missing, the program still starts and works, its dialogs in Qt's
# English: a qt.conf beside the executable points Qt's translations at an empty folder, and the
# rest of Qt where it is installed.
source "$(dirname "$0")/common.sh"

mkdir "$WORK/nessuna-traduzione"
qtpaths=/usr/lib/qt6/bin/qtpaths6
printf '[Paths]\nPrefix=%s\nPlugins=%s\nTranslations=%s\n' "$($qtpaths --query QT_INSTALL_PREFIX)" \
    "$($qtpaths --query QT_INSTALL_PLUGINS)" "$WORK/nessuna-traduzione" >"$WORK/qt.conf"
start_display
start_program

SPLASH=$(wait_for_window "^Orvella$") || fail "no splash window without Qt's translations"
xdotool windowfocus --sync "$SPLASH" key space
MAIN=$(wait_for_window "^Quennet-Brimlow$") || fail "the main window did not open without Qt's translations"
read -r x y <<<"$(where passport)"
click_at "$x" "$y"
read -r x y <<<"$(where open)"
click_at "$x" "$y"
DIALOG=$(wait_for_window "^Carica Immagine$") || fail "the open dialog did not appear without Qt's translations"
xdotool windowfocus --sync "$DIALOG" key Escape
poll 10 dialog_closed || fail "the open dialog stayed open after Escape"
read -r x y <<<"$(where exit1)"
click_at "$x" "$y"
expect_exit_status 0
echo "e2e: without Qt's translations the program starts, opens its dialog and exits"
