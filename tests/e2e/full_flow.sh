#!/usr/bin/env bash
# A user's whole way through the real program: splash, passport, a photo opened through the dialog
# from a folder whose name has spaces and accents, a selection dragged over the face, the tone
# stepped, OK, the passport sheet checked and printed on the test scheduler's default queue; back,
# back, identity card, the face selected again, OK, that sheet checked; exit.
# Screenshots of each page, of the open dialog with its preview and of the printer dialog go into
# the folder given as third argument.
source "$(dirname "$0")/common.sh"
DOCS=$3
mkdir -p "$DOCS"
PICTURE_WIDTH=1200
PICTURE_HEIGHT=1600

# A portrait: a face, hair, neck and shoulders drawn on a light gradient.
PHOTO_DIR="$WORK/Foto di Niccolò"
PHOTO="$PHOTO_DIR/ritratto per passaporto.jpg"
mkdir -p "$PHOTO_DIR"
convert -size ${PICTURE_WIDTH}x${PICTURE_HEIGHT} gradient:'#dce8f4'-'#f3e4cc' \
    -fill '#3b2a20' -draw 'ellipse 600,640 300,330 0,360' \
    -fill '#6f7f96' -draw 'ellipse 600,1560 560,330 180,360' \
    -fill '#e9b996' -draw 'rectangle 530,1000 670,1300' \
    -fill '#f0c4a2' -draw 'ellipse 600,760 250,320 0,360' \
    -fill white -draw 'ellipse 505,700 42,22 0,360' -draw 'ellipse 695,700 42,22 0,360' \
    -fill '#3d5a80' -draw 'circle 505,700 520,700' -draw 'circle 695,700 710,700' \
    -stroke '#6b3e26' -strokewidth 12 -fill none -draw 'line 455,650 550,640' -draw 'line 650,640 745,650' \
    -stroke '#c98f73' -strokewidth 8 -draw 'line 600,720 585,830' -draw 'line 585,830 615,835' \
    -stroke '#a8443c' -strokewidth 14 -draw 'arc 530,880 670,960 20,160' \
    -quality 92 "$PHOTO"

probe_layout 11000 8600 $PICTURE_WIDTH $PICTURE_HEIGHT

# Shoots a window into the screenshots folder once it is drawn (a fresh window is one flat colour) and settled (two
# shots in a row alike).
document() {
    local file="$DOCS/$2" previous="$WORK/previous.png"
    rm -f "$previous"
    for _ in $(seq 50); do
        shoot "$1" "$file"
        if [ "$(convert "$file" -format '%[fx:standard_deviation > 0.02]' info:)" = 1 ] && [ -f "$previous" ] &&
            [ "$(compare -metric AE "$previous" "$file" null: 2>&1 || true)" = 0 ]; then
            return 0
        fi
        cp "$file" "$previous"
        sleep 0.1
    done
    fail "$2: the window did not settle to a drawn picture within 5 s"
}

# The sheet file: its size and density, each copy placed where the program's geometry puts it,
# covering the template and like the other copies, the cut marks dark, and the first copy showing
# the face that was selected: skin on the cheek, 30 % across and 55 % down.
check_sheet() {
    local file="$WORK/$1" document=$2 template="$WORK/$3" copies=$4
    poll 30 test -s "$file" || fail "$1 was not written after OK"
    local header
    header=$(identify -format '%w %h %x %y %U' "$file")
    [ "$header" = "600 400 100 100 PixelsPerInch" ] ||
        fail "$1 is '$header', expected '600 400 100 100 PixelsPerInch'"
    [ "$(grep -c "^copy $document " "$WORK/probe.txt")" = "$copies" ] ||
        fail "the probe places $(grep -c "^copy $document " "$WORK/probe.txt") $document copies, expected $copies"

    convert "$file" -colorspace Gray -compress none pgm:"$WORK/sheet.pgm"
    convert "$template" -colorspace Gray -compress none pgm:"$WORK/template.pgm"
    grep -E "^(copy|mark) $document " "$WORK/probe.txt" |
        awk -v name="$1" -v sheet_file="$WORK/sheet.pgm" -v template_file="$WORK/template.pgm" '
            # Plain PGM: magic, width, height, maximum, then the grey values row by row.
            function load(file, into,    n, i, count, v) {
                n = 0
                while ((getline line < file) > 0) {
                    count = split(line, v, " ")
                    for (i = 1; i <= count; i++) {
                        n++
                        if (n == 2) width = v[i]
                        if (n > 4) into[n - 5] = v[i]
                    }
                }
                close(file)
            }
            # The mean absolute difference over the inside of a copy, 4 pixels in from its edges,
            # between the sheet at (x, y) and picture b at (bx, by).
            function difference(x, y, w, h, b, bx, by,    i, j, sum, d) {
                sum = 0
                for (j = 4; j < h - 4; j++)
                    for (i = 4; i < w - 4; i++) {
                        d = sheet[(y + j) * width + x + i] - b[(by + j) * width + bx + i]
                        sum += d < 0 ? -d : d
                    }
                return sum / ((w - 8) * (h - 8))
            }
            BEGIN { load(sheet_file, sheet); load(template_file, template) }
            $1 == "copy" {
                n++
                x[n] = $3; y[n] = $4; w = $5; h = $6
                d = difference(x[n], y[n], w, h, template, x[n], y[n])
                if (d < 20) { printf "FAIL: %s copy %d at %d,%d differs from the bare template by only %.1f grey levels\n", name, n, x[n], y[n], d; bad = 1 }
                if (n > 1) {
                    d = difference(x[n], y[n], w, h, sheet, x[1], y[1])
                    if (d > 4) { printf "FAIL: %s copy %d at %d,%d differs from copy 1 by %.1f grey levels\n", name, n, x[n], y[n], d; bad = 1 }
                }
            }
            $1 == "mark" {
                sum = 0; count = 0
                for (i = 0; i <= $5; i++) for (j = 0; j <= $6; j++) { sum += sheet[($4 + j) * width + $3 + i]; count++ }
                if (sum / count > 96) { printf "FAIL: %s cut mark %d,%d %dx%d has mean grey %.0f, expected dark\n", name, $3, $4, $5, $6, sum / count; bad = 1 }
                marks++
            }
            END { if (bad) exit 1; printf "e2e: %s: %d copies in place, %d cut marks dark\n", name, n, marks }
        ' >&2 || fail "$1 does not hold the expected $document sheet"

    local x y w h cheek
    read -r x y w h <<<"$(awk -v d="$document" '$1 == "copy" && $2 == d { print $3, $4, $5, $6; exit }' "$WORK/probe.txt")"
    cheek=$(convert "$file" -crop "5x5+$((x + w * 3 / 10 - 2))+$((y + h * 55 / 100 - 2))" -resize '1x1!' \
        -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
    awk -v c="$cheek" 'BEGIN { split(c, v, " "); exit !(v[1] >= 190 && v[1] > v[2] && v[2] > v[3]) }' ||
        fail "$1: the first copy's cheek is $cheek (r g b), expected skin: the face was not selected"
}

start_display
start_program

SPLASH=$(wait_for_window "^Orvella$") || fail "no splash window within 20 s"
document "$SPLASH" splash.png
xdotool windowfocus --sync "$SPLASH"
xdotool key space
MAIN=$(wait_for_window "^Quennet-Brimlow$") || fail "the main window did not open after a key on the splash"
document "$MAIN" page0.png

press passport

# Opens the photo as a person browsing does: into its folder, down the list to it (the preview
# beside the list shows it), space to pick it, Return. The dialog with its preview is shot too.
skin_in_preview() {
    shoot "$OPEN" "$WORK/dialog.png"
    [ "$(convert "$WORK/dialog.png" -fuzz 6% -fill black +opaque '#f0c4a2' -fill white -opaque '#f0c4a2' \
        -format '%[fx:mean > 0.005]' info:)" = 1 ]
}
read -r ox oy <<<"$(at open)"
xdotool mousemove --window "$MAIN" "$ox" "$oy" click 1
OPEN=$(wait_for_window "^Carica Immagine$") || fail "the open dialog 'Carica Immagine' did not appear"
xdotool windowfocus --sync "$OPEN"
sleep 0.3
skin_in_preview && fail "the open dialog shows a face before any photo is highlighted"
xdotool type --delay 15 "$PHOTO_DIR/"
xdotool key Return
sleep 0.5
xdotool key shift+Tab Down
poll 10 skin_in_preview || fail "the open dialog shows no preview of the highlighted photo"
xdotool key space
document "$OPEN" open_dialog.png
xdotool key Return
poll 10 dialog_closed || fail "the open dialog stayed open after Return on the highlighted photo"
# The photo is shown once the cheek has the skin tone.
read -r cx cy <<<"$(on_photo 700 840)"
skin() { [[ $(pixel "$cx" "$cy") =~ ^2[0-5][0-9],1[5-9][0-9],1[2-9][0-9]$ ]]; }
poll 10 skin || fail "the cheek of the photo shows $(pixel "$cx" "$cy"), expected the skin tone of the face"

# Drags a selection over the face, from above the hair to the neck.
select_face() {
    shoot "$MAIN" "$WORK/before.png"
    drag 225 260 975 1240
    poll 10 looks_different "$WORK/before.png" || fail "the drag over the face changed nothing on screen"
}
select_face

for _ in 1 2 3; do press brightup; done
for _ in 1 2; do press contrastdown; done
document "$MAIN" page1.png

press ok
check_sheet Passaporto.jpg passport TaglioPP.jpg 8
document "$MAIN" page2.png

# Print through the real dialog on the default queue of the test scheduler: the sheet lands as a PDF.
jobs_before=$(lpstat -W completed -o OrvellaStampaA 2>/dev/null | wc -l)
read -r px py <<<"$(at print)"
xdotool mousemove --window "$MAIN" "$px" "$py" click 1
DIALOG=$(wait_for_window "^Stampa Foto$") || fail "the print button showed no dialog titled Stampa Foto"
document "$DIALOG" print_dialog.png
xdotool windowfocus --sync "$DIALOG" key Return
printed() { [ "$(lpstat -W completed -o OrvellaStampaA 2>/dev/null | wc -l)" -gt "$jobs_before" ]; }
poll 20 printed || fail "no job completed on the default queue after printing"
[ -f "$WORK/FotoGruppo.jpg" ] || fail "printing left no FotoGruppo.jpg"

press back2
press back1
press identity
# The passport's preview does not have the identity card's proportions: select the face again.
select_face
press ok
check_sheet CartaIdentita.jpg identity TaglioCI.jpg 6

read -r qx qy <<<"$(at exit2)"
xdotool mousemove --window "$MAIN" "$qx" "$qy" click 1
expect_exit_status 0
echo "e2e: the whole way through in ${SECONDS} s; screenshots in $DOCS"
