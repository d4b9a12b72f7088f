#!/bin/sh
# The real program on a real display with a window manager: a file dialog shown on the
# database's own folder and cancelled, another program reading the file, then a change the
# program commits (F8 moves to the next quotation and rotates it to the back of the random
# order), then the program killed. The change must be in the file: a dialog that dropped the
# program's locks would have let the other program take its write-ahead log away.
set -eu
exe="$1"
for tool in xvfb-run openbox xdotool sqlite3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
done
if [ -z "${SENTARA_ON_DISPLAY:-}" ]; then
    SENTARA_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi

home=$(mktemp -d)
pids=""
cleanup() { for p in $pids; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$home"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
       XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run"
unset QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Sentara" && chmod 700 "$XDG_RUNTIME_DIR"

openbox >/dev/null 2>&1 &
pids="$!"
# A name that says nothing of the file's type: a dialog that learns types by reading files
# would read this one.
db="$home/collection"
"$exe" --create-database "$db" --with-samples >/dev/null || fail "--create-database failed"
printf '[general]\nlast_db_file=%s\n' "$db" > "$XDG_CONFIG_HOME/Sentara/Sentara.conf"

"$exe" >"$home/out" 2>&1 &
pid=$!
pids="$pids $pid"
window=""
i=0
while [ -z "$window" ]; do
    i=$((i + 1)); [ $i -gt 100 ] && { cat "$home/out" >&2; fail "the main window did not open"; }
    kill -0 "$pid" 2>/dev/null || { cat "$home/out" >&2; fail "the program ended at start-up"; }
    sleep 0.1
    window=$(xdotool search --name "^Sentara - collection" 2>/dev/null | head -n 1) || true
done
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

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
