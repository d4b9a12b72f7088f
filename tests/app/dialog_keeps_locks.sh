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

xdotool key ctrl+o          # File > Change database: its dialog opens in the database's folder
sleep 2
xdotool key Escape
sleep 0.5
sqlite3 "$db" "select count(*) from quotes" >/dev/null
before=$(sqlite3 "$db" "select group_concat(key || ':' || random) from (select * from quotes order by key)")
xdotool key F8              # the next quotation: rotated to the back, and committed
sleep 1.5
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
after=$(sqlite3 "$db" "select group_concat(key || ':' || random) from (select * from quotes order by key)")
[ "$before" != "$after" ] || fail "the rotation the program committed after the dialog is not in the file"
[ "$(sqlite3 "$db" 'PRAGMA integrity_check')" = ok ] || fail "the file does not pass the integrity check"
echo "dialog keeps locks: ok"
