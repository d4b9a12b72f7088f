#!/bin/sh
# Starts the real program as a user would: its own home folder, a database named by its
# settings, no display. Checks the files it leaves beside the database.
set -eu
exe="$1"
home=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
       XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
db="$home/x.db"

"$exe" --create-database "$db" >/dev/null || fail "--create-database failed"
if "$exe" --create-database "$db" 2>"$home/err"; then fail "--create-database replaced an existing file"; fi
grep -q "already exists" "$home/err" || fail "no clear message for an existing file"

mkdir -p "$XDG_CONFIG_HOME/Sentara"
printf '[general]\nlast_db_file=%s\n' "$db" > "$XDG_CONFIG_HOME/Sentara/Sentara.conf"

# Starts the program, waits until it runs on the file, then ends it the hard way.
run_once() {
    "$exe" >"$home/out" 2>&1 &
    pid=$!
    i=0
    while [ ! -f "$db.lock" ] || [ ! -f "$db.old" ]; do
        i=$((i + 1)); [ $i -gt 100 ] && fail "the program did not start on $db"
        kill -0 "$pid" 2>/dev/null || { cat "$home/out" >&2; fail "the program ended at start-up"; }
        sleep 0.1
    done
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the program did not stay up"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=""
}

run_once
[ -f "$db.tmp" ] && fail "the compaction left its .tmp file"
[ -f "$db.old.old" ] && fail "a first start wrote two generations"
first=$(stat -c %Y "$db.old")

run_once   # within twelve hours: the chain stays, the stale lock of the killed program is taken over
[ "$(stat -c %Y "$db.old")" = "$first" ] || fail "a second start within 12 hours rewrote .old"
[ -f "$db.old.old" ] && fail "a second start within 12 hours shifted the chain"

touch -d '13 hours ago' "$db.old"
run_once
[ -f "$db.old.old" ] || fail "a start 12 hours later did not shift the chain"

# Ended by the desktop (SIGTERM), the program closes the file properly: no log is left beside
# it and it is back in the rollback journal every tool can read.
[ -f "$db-wal" ] && fail "the program left its write-ahead log beside the file"

# A start that cannot use the file ends with status 1 and leaves the file alone.
printf 'Dear friend,\n' > "$home/letter.mdb"
printf '[general]\nlast_db_file=%s\n' "$home/letter.mdb" > "$XDG_CONFIG_HOME/Sentara/Sentara.conf"
"$exe" >"$home/out" 2>&1 &
pid=$!
sleep 2
kill "$pid" 2>/dev/null || true   # its message is on screen: the desktop ends the session
status=0
wait "$pid" 2>/dev/null || status=$?
pid=""
[ "$status" = 1 ] || fail "a start on a file that is not a database ended with status $status, not 1"
[ "$(cat "$home/letter.mdb")" = "Dear friend," ] || fail "the file that is not a database was changed"
[ -f "$home/letter.mdb.old" ] && fail "a backup was taken of a file that is not a database"

if command -v sqlite3 >/dev/null; then
    [ "$(sqlite3 "$db" 'PRAGMA journal_mode')" = delete ] || fail "the file was left in write-ahead mode"
    for f in "$db" "$db.old" "$db.old.old"; do
        [ "$(sqlite3 "$f" 'PRAGMA integrity_check')" = ok ] || fail "$f does not pass the integrity check"
    done
fi
echo "program start: ok"
