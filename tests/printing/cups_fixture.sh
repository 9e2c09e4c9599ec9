#!/usr/bin/env bash
# Gives the print tests a CUPS scheduler with PDF queues, and takes it away again: two plain ones,
# one that refuses every job, and three with the paper sizes and printable areas of real photo
# printers (a dye-sublimation printer, an inkjet with margins, an inkjet that prints borderless).
# Usage: cups_fixture.sh start|stop STATE_DIR
# A scheduler that was already running is reused and left running; one started here is stopped by
# its PID. At the end the queues and their PDFs go, and the earlier default queue is default again.
set -euo pipefail

action=$1
state=$2
queues=(OrvellaStampaA OrvellaStampaB)
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# A queue that refuses every job, as a printer an operator has stopped taking work.
refusing=OrvellaRifiuta
# Queue name and the photo printer model whose paper it takes.
photo_queues=(OrvellaFotoSub:canon-cp910 OrvellaFotoMargini:escp2-photo OrvellaFotoSenzaMargini:escp2-r800)
all_queues=("${queues[@]}" "$refusing" "${photo_queues[@]%%:*}")

# The model's PPD from the installed driver, without its raster filters: the queue then takes the
# PDF as a PostScript printer would and the PDF backend writes it out on that paper. The backend's
# own options go with it, so that it names its files as on the plain queues.
photo_ppd() {
    local driver
    driver=$(ls /usr/lib/cups/driver/gutenprint.* | head -n 1)
    {
        "$driver" cat "${driver##*/}://$1/expert" | grep -v -E '^\*cupsFilter2?:'
        sed -n '/^\*OpenUI \*PDFVer/,/^\*CloseUI: \*Logtype/p' "$ppd"
    } >"$state/$1.ppd"
}

add_queue() {
    # lpadmin warns on every call that drivers are deprecated: show its words only on failure.
    if ! said=$(/usr/sbin/lpadmin -p "$1" -v cups-pdf:/ -E -P "$2" 2>&1); then
        echo "$said" >&2
        exit 1
    fi
}

running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

start() {
    mkdir -p "$state"
    rm -f "$state/cupsd.pid" "$state/default"
    if ! running; then
        mkdir -p /run/cups
        # The scheduler outlives this script: it must hold none of the caller's files open (a lock
        # the caller took around the tests, say).
        setsid bash -c 'for fd in /proc/$$/fd/*; do fd=${fd##*/}; [ "$fd" -gt 2 ] && eval "exec $fd>&-"; done; exec /usr/sbin/cupsd -f' </dev/null >/dev/null 2>&1 &
        echo $! >"$state/cupsd.pid"
        for _ in $(seq 100); do
            running && break
            sleep 0.1
        done
        running || { echo "cupsd did not start" >&2; exit 1; }
    fi
    { lpstat -d 2>/dev/null || true; } | sed -n "s/^system default destination: //p" >"$state/default"
    for q in "${queues[@]}"; do
        add_queue "$q" "$ppd"
    done
    add_queue "$refusing" "$ppd"
    /usr/sbin/cupsreject -r "Chiusa dal test" "$refusing"
    for entry in "${photo_queues[@]}"; do
        photo_ppd "${entry#*:}"
        add_queue "${entry%%:*}" "$state/${entry#*:}.ppd"
    done
    /usr/sbin/lpadmin -d "${queues[0]}"
}

# The PDFs that the queues' jobs left in the PDF folder.
remove_output() {
    local out
    out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | head -n 1)
    out=${out:-'${HOME}/PDF'}
    out=${out//'${HOME}'/$HOME}
    for id in $({ lpstat -W completed -o "$(IFS=,; echo "${all_queues[*]}")" 2>/dev/null || true; } | awk '{print $1}'); do
        rm -f "$out"/*-job_"${id##*-}".pdf
    done
}

stop() {
    if running; then
        remove_output
        for q in "${all_queues[@]}"; do
            /usr/sbin/lpadmin -x "$q" 2>/dev/null || true
        done
        previous=$(cat "$state/default" 2>/dev/null || true)
        [ -z "$previous" ] || /usr/sbin/lpadmin -d "$previous" || true
    fi
    if [ -f "$state/cupsd.pid" ]; then
        pid=$(cat "$state/cupsd.pid")
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        rm -f "$state/cupsd.pid"
    fi
}

case "$action" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
