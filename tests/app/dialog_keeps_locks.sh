#!/bin/sh
# The real program on a real display with a window manager: a file dialog shown on the
# database's own folder and cancelled, another program reading the file, then a change the
# program commits (F8 moves to the next quotation and rotates it to the back of the random
# order), then the program killed. The change must be in the file: a dialog that dropped the
# program's locks would have let the other program take its write-ahead log away.
set -eu
exe="$1"
# A name that says nothing of the file's type: a dialog that learns types by reading files
# would read this one.
db_name=collection
tools=sqlite3
. "$(dirname "$0")/desktop_session.sh"

start_program
sleep 1
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"

# Waits (up to 15 s: a loaded machine is slow) until the active window is, or is not, the main one.
wait_active() {
    i=0
    while [ $i -lt 30 ]; do
        active=$(xdotool getactivewindow 2>/dev/null || echo none)
        if [ "$1" = main ] && [ "$active" = "$main" ]; then return 0; fi
        if [ "$1" = other ] && [ "$active" != "$main" ] && [ "$active" != none ]; then return 0; fi
        sleep 0.5
        i=$((i + 1))
    done
    fail "the $1 window never became active"
}

xdotool key ctrl+o          # File > Change database: its dialog opens in the database's folder
wait_active other
sleep 1                     # the dialog lists the folder
xdotool key Escape
wait_active main
sqlite3 "$db" "select count(*) from quotes" >/dev/null
before=$(sqlite3 "$db" "select group_concat(key || ':' || random) from (select * from quotes order by key)")
xdotool key F8              # the next quotation: rotated to the back, and committed
i=0
while [ $i -lt 30 ]; do
    now=$(sqlite3 "$db" "select group_concat(key || ':' || random) from (select * from quotes order by key)")
    [ "$now" = "$before" ] || break
    sleep 0.5
    i=$((i + 1))
    # A key lost while the window manager was still handing the focus back: pressed again.
    if [ $((i % 6)) = 0 ]; then
        xdotool windowactivate --sync "$main" 2>/dev/null || true
        xdotool key F8
    fi
done
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
after=$(sqlite3 "$db" "select group_concat(key || ':' || random) from (select * from quotes order by key)")
[ "$before" != "$after" ] || fail "the rotation the program committed after the dialog is not in the file"
[ "$(sqlite3 "$db" 'PRAGMA integrity_check')" = ok ] || fail "the file does not pass the integrity check"
echo "dialog keeps locks: ok"
