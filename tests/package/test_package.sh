#!/usr/bin/env bash
# The Debian package, as a person gets it: packed from the build folder given as argument,
# unpacked into a scratch root, its menu entry and metadata validated, and its launcher run
# in a scratch home, where the books must appear in the documents folder's "Brivana" and a
# second start must leave the images there as they are.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/brivana_*_amd64.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the computed Qt libraries"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6sql6-sqlite' || fail "Depends lacks the SQLite driver"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.brivana.Brivana.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.brivana.Brivana.metainfo.xml" \
    || fail "metainfo"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/org.brivana.Brivana.png" ] || fail "icon"

# A Spanish desktop: the documents folder is ~/Documentos.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$HOME/Documentos"
echo 'XDG_DOCUMENTS_DIR="$HOME/Documentos"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
unset BRIVANA_DIR
books="$HOME/Documentos/Brivana"

# Starts the unpacked launcher and waits, at most a minute, for data.db; then ends it.
run_launcher() {
    "$root/usr/bin/brivana" >"$scratch/run.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 600); do
        [ -s "$books/data.db" ] && break
        kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/run.log"; fail "the program ended"; }
        sleep 0.1
    done
    [ -s "$books/data.db" ] || fail "no data.db in $books"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

run_launcher
for image in logo.png background.png Calendar-selection-day-icon.png search-icon.png; do
    cmp -s "$books/$image" "$root/usr/share/brivana/images/$image" || fail "$image not put in place"
done
printf 'changed by the person' >"$books/logo.png"
run_launcher
[ "$(cat "$books/logo.png")" = 'changed by the person' ] || fail "a second start overwrote an image"

# Without its images, and in a folder whose name starts like an option, it starts all the same.
rm -r "$root/usr/share/brivana/images"
cd "$scratch"
export BRIVANA_DIR=-books
books="$scratch/-books"
run_launcher
[ ! -e "$books/logo.png" ] || fail "an image came from nowhere"

# An error is shown where a person started from the menu sees it: here, a notification.
mkdir "$scratch/bin"
printf '#!/bin/sh\nprintf "%%s|" "$@" >"%s/notified"\n' "$scratch" >"$scratch/bin/notify-send"
chmod +x "$scratch/bin/notify-send"
printf 'a file' >"$scratch/taken"
if BRIVANA_DIR="$scratch/taken/books" PATH="$scratch/bin:$PATH" "$root/usr/bin/brivana" 2>"$scratch/stderr"; then
    fail "the launcher went on without its folder"
fi
grep -q "No se ha podido crear la carpeta de sus datos: $scratch/taken/books" "$scratch/notified" \
    || fail "no notification: $(cat "$scratch/notified" "$scratch/stderr" 2>&1)"
grep -q "No se ha podido crear la carpeta" "$scratch/stderr" || fail "nothing on stderr"
echo "package: all checks passed"
