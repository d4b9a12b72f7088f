# Sourced by the tests that run the real program as a user's desktop runs it: a 1366 x 768
# screen (Xvfb) with a window manager (openbox), a home folder of its own, and a database `db`
# with the sample quotations that the program opens at start. Set `db_name` and `tools` first.
# The script re-runs itself under xvfb-run; it is skipped where a tool is missing.
for tool in xvfb-run openbox xdotool $tools; do
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
db="$home/$db_name"
"$exe" --create-database "$db" --with-samples >/dev/null || fail "--create-database failed"
printf '[general]\nlast_db_file=%s\n' "$db" > "$XDG_CONFIG_HOME/Sentara/Sentara.conf"

# Starts the program (its id in `pid`) and waits for its main window (its id in `main`).
start_program() {
    "$exe" >"$home/out" 2>&1 &
    pid=$!
    pids="$pids $pid"
    i=0
    main=""
    while [ -z "$main" ]; do
        i=$((i + 1)); [ $i -gt 100 ] && { cat "$home/out" >&2; fail "the main window did not open"; }
        kill -0 "$pid" 2>/dev/null || { cat "$home/out" >&2; fail "the program ended at start-up"; }
        sleep 0.1
        main=$(xdotool search --onlyvisible --name "^Sentara - $db_name" 2>/dev/null | head -n 1) || true
    done
}
