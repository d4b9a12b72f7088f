#!/bin/sh
# The real program on a 1366 x 768 screen with a window manager, as a user's desktop runs it:
# at the first, second and third start the main window's whole frame, title bar included, lies
# on the screen, and so do the frames of the Authors, Web sites, Import and Export windows.
set -eu
exe="$1"
db_name=quotes.mdb
tools="xwininfo xprop"
. "$(dirname "$0")/desktop_session.sh"

# Where the frame of window $1 lies: "left top right bottom", or nothing before it has a frame.
frame_of() {
    info=$(xwininfo -id "$1")
    x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(echo "$info" | sed -n 's/.*Width: *//p')
    h=$(echo "$info" | sed -n 's/.*Height: *//p')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] || return 0
    IFS=, read -r left right top bottom <<END
$extents
END
    echo "$((x - left)) $((y - top)) $((x + w + right)) $((y + h + bottom))"
}

# Fails unless the frame of window $1 (named $2) comes to lie within the screen: the window
# manager frames it, then the program fits the frame (on a busy machine this takes a while).
on_screen() {
    i=0
    while :; do
        f=$(frame_of "$1")
        if [ -n "$f" ]; then
            set -- "$1" "$2" $f
            [ "$3" -ge 0 ] && [ "$4" -ge 0 ] && [ "$5" -le 1366 ] && [ "$6" -le 768 ] && return 0
        fi
        i=$((i + 1))
        [ $i -gt 50 ] && fail "$2: its frame (${f:-none}) leaves the 1366 x 768 screen"
        sleep 0.2
    done
}

# The window that becomes active after $1 was active: waited for.
new_active_window() {
    i=0
    while :; do
        w=$(xdotool getactivewindow 2>/dev/null) || true
        [ -n "$w" ] && [ "$w" != "$1" ] && { echo "$w"; return; }
        i=$((i + 1)); [ $i -gt 50 ] && return 1
        sleep 0.2
    done
}

for start in 1 2 3; do
    start_program
    on_screen "$main" "start $start, the main window"
    if [ "$start" = 3 ]; then
        for shortcut in ctrl+1 ctrl+4 ctrl+i ctrl+shift+e; do
            xdotool windowactivate --sync "$main" 2>/dev/null || true
            xdotool key "$shortcut"
            other=$(new_active_window "$main") || fail "$shortcut opened no window"
            name=$(xdotool getwindowname "$other")
            on_screen "$other" "the window of $shortcut ($name)"
            echo "on screen: $name"
        done
        # The Export window waits for an answer: Esc closes it.
        xdotool windowactivate --sync "$other" 2>/dev/null || true
        xdotool key Escape
    fi
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool key ctrl+q   # File > Exit: the geometry is kept for the next start
    i=0
    while kill -0 "$pid" 2>/dev/null; do
        i=$((i + 1)); [ $i -gt 50 ] && { kill "$pid"; break; }
        sleep 0.1
    done
done
echo "windows on screen: ok"
