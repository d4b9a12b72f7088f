#!/bin/sh
# Installs the program as a packager would, twice: with cmake --install into a folder of its own,
# and as its Debian package unpacked into a scratch root. Checks what each leaves there: the
# program is stripped and runs from it, the manual names every option, and the desktop entry and
# the AppStream data pass their validators (when those are installed; ./sentara.sh test installs
# them).
set -eu
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix" home="$scratch/home" root="$scratch/root"
mkdir -p "$prefix" "$home" "$root"
fail() { echo "FAIL: $*" >&2; exit 1; }
# The language is chosen below, command by command.
unset LC_ALL LC_MESSAGES LANGUAGE

# What an installed tree must hold, and that it works: $1 is the tree, $2 its share folder.
check_tree() {
    tree="$1" share="$2"
    for f in bin/sentara "$share/sentara/default.jpg" "$share/sentara/readme.txt" "$share/sentara/readme.it.txt" \
             "$share/applications/org.sentara.Sentara.desktop" "$share/metainfo/org.sentara.Sentara.metainfo.xml" \
             "$share/icons/hicolor/scalable/apps/org.sentara.Sentara.svg" \
             "$share/icons/hicolor/256x256/apps/org.sentara.Sentara.png" "$share/man/man1/sentara.1.gz" \
             "$share/doc/sentara/copyright" "$share/doc/sentara/changelog.gz" \
             "$share/sentara/translations/sentara_it.qm"; do
        [ -s "$tree/$f" ] || fail "$f is not installed in $tree"
    done
    gzip -t "$tree/$share/man/man1/sentara.1.gz" || fail "the manual is not a gzip file"
    gzip -dc "$tree/$share/man/it/man1/sentara.1.gz" | grep -q 'raccolta di citazioni' || fail "no Italian manual"
    gzip -t "$tree/$share/doc/sentara/changelog.gz" || fail "the changelog is not a gzip file"
    # A stripped program has no symbol table left.
    ! readelf -S "$tree/bin/sentara" | grep -q '\.symtab' || fail "$tree/bin/sentara is not stripped"

    if command -v desktop-file-validate >/dev/null; then
        out=$(desktop-file-validate "$tree/$share/applications/org.sentara.Sentara.desktop" 2>&1) || fail "desktop file: $out"
        [ -z "$out" ] || fail "desktop file: $out"
    else
        echo "SKIP: desktop-file-validate is not installed (package desktop-file-utils)"
    fi
    if command -v appstreamcli >/dev/null; then
        # No remark at all, not even an informational one (the pedantic ones are not asked for).
        appstreamcli validate --no-net "$tree/$share/metainfo/org.sentara.Sentara.metainfo.xml" >"$scratch/as" 2>&1 ||
            { cat "$scratch/as" >&2; fail "the AppStream metainfo does not validate"; }
        grep -q '^[EWI]:' "$scratch/as" && { cat "$scratch/as" >&2; fail "the AppStream metainfo has remarks"; }
    else
        echo "SKIP: appstreamcli is not installed (package appstream)"
    fi

    (
        export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen
        LANG=C.UTF-8 "$tree/bin/sentara" --version | grep -q '^Sentara version 1\.' || fail "$tree/bin/sentara --version"
        help=$(LANG=C.UTF-8 "$tree/bin/sentara" --help) || fail "$tree/bin/sentara --help"
        # It finds its translations where it is installed.
        LANG=it_IT.UTF-8 "$tree/bin/sentara" --help | grep -q 'Mostra questo aiuto' || fail "$tree/bin/sentara speaks no Italian"
        # The manual names every option the program knows.
        manual=$(gzip -dc "$tree/$share/man/man1/sentara.1.gz")
        for option in $(echo "$help" | grep -o -- '--[a-z-]*' | sort -u); do
            echo "$manual" | grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" || fail "the manual lacks $option"
        done
        # The installed program finds its data files and works.
        rm -f "$home/q.mdb"
        "$tree/bin/sentara" --create-database "$home/q.mdb" --with-samples >/dev/null || fail "--create-database"
        "$tree/bin/sentara" --random --database "$home/q.mdb" | grep -q -- '-- ' || fail "--random printed no quotation"
    )
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check_tree "$prefix" share

# The package, as dpkg would unpack it (without its maintainer scripts or dependencies).
(cd "$build" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$scratch"/package/sentara_*.deb)
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package's dependencies lack the Qt libraries"
dpkg -x "$deb" "$root"
check_tree "$root/usr" share
echo "install: ok"
