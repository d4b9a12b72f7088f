#!/bin/sh
# Sets up what Sentara needs on Debian 12, builds it, then runs it.
#   ./sentara.sh run     start the program on its default database
#   ./sentara.sh test    run the whole test suite
#   ./sentara.sh bench   run the benchmark (options follow: ./sentara.sh bench --sizes 20k,100k)
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libsqlite3-dev
sqlite3 libgl-dev fonts-dejavu-core xvfb xauth desktop-file-utils appstream mdbtools-dev fortune-mod
openbox xdotool x11-utils qt6-l10n-tools qt6-tools-dev qt6-translations-l10n dpkg-dev qt6-charts-dev"
# Only the benchmark reads these: Debian's fortune cookies, imported as a figure.
BENCH_PACKAGES="fortunes"

install_missing() {
    missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    log=$(mktemp)
    if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
            --no-install-recommends $missing; } >"$log" 2>&1; then
        cat "$log"; rm -f "$log"; exit 1
    fi
    rm -f "$log"
}

build() {
    if [ ! -f build/build.ninja ]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >build.log 2>&1 || { cat build.log; exit 1; }
    fi
    cmake --build build -j2 >build.log 2>&1 || { cat build.log; exit 1; }
    rm -f build.log
}

command="${1:-run}"
case "$command" in
run|test|bench) ;;
*) echo "usage: $0 run|test|bench [benchmark options]" >&2; exit 2 ;;
esac
[ $# -gt 0 ] && shift  # what follows the command goes to the benchmark
[ "$command" = bench ] && PACKAGES="$PACKAGES $BENCH_PACKAGES"

install_missing
build

case "$command" in
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Sentara runs on a virtual display (xvfb)."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/sentara
    fi
    exec ./build/sentara
    ;;
test)
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
bench)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        # The start-up is timed as a user sees it: on a display, a virtual one here.
        exec xvfb-run -a -s "-screen 0 1366x768x24" ./build/sentara-bench "$@"
    fi
    exec ./build/sentara-bench "$@"
    ;;
esac
