#!/bin/sh
# Installs the program into a folder of its own as a packager would, and checks what it leaves
# there: the program runs from it, and the desktop entry and the AppStream data pass their
# validators (when those are installed; ./sentara.sh test installs them).
set -eu
build="$1"
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for f in bin/sentara share/sentara/default.jpg share/sentara/readme.txt \
         share/applications/org.sentara.Sentara.desktop share/metainfo/org.sentara.Sentara.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.sentara.Sentara.svg \
         share/icons/hicolor/256x256/apps/org.sentara.Sentara.png share/man/man1/sentara.1; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/org.sentara.Sentara.desktop" 2>&1) || fail "desktop file: $out"
    [ -z "$out" ] || fail "desktop file: $out"
else
    echo "SKIP: desktop-file-validate is not installed (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.sentara.Sentara.metainfo.xml" >"$home/as" 2>&1 ||
        { cat "$home/as" >&2; fail "the AppStream metainfo does not validate"; }
else
    echo "SKIP: appstreamcli is not installed (package appstream)"
fi

# The manual names every option the program knows.
for option in $("$prefix/bin/sentara" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$prefix/share/man/man1/sentara.1" || fail "the manual lacks $option"
done

# The installed program finds its data files and works.
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen
"$prefix/bin/sentara" --create-database "$home/q.mdb" --with-samples >/dev/null || fail "--create-database"
"$prefix/bin/sentara" --random --database "$home/q.mdb" | grep -q -- '-- ' || fail "--random printed no quotation"
echo "install: ok"
