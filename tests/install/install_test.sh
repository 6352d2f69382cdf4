#!/usr/bin/env bash
# Installs a build into a staging folder (DESTDIR) and runs the programs from there: the window,
# headless, must find its files under share/sudoku-atelier/ exactly as a copy with those files
# beside the program does, and keep its data in the XDG folder; the engine answers --help; the
# desktop entry and the AppStream metadata pass their validators.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
share=$usr/share/sudoku-atelier

for set in DiceFaces Geometric; do
    [ -s "$share/Display Sets/$set/01.ico" ] || fail "display set $set"
done
"$usr/bin/sudoku-engine" --help | grep -q '^Usage: sudoku-engine' || fail "sudoku-engine --help"

# Each run gets its own empty home; German texts come only from the language file.
screenshot() { # NAME PROGRAM
    local home=$work/home-$1
    mkdir -p "$home"
    HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config LANG=de_DE.UTF-8 \
        LC_ALL= LC_MESSAGES= LANGUAGE= QT_QPA_PLATFORM=offscreen \
        "$2" --screenshot "$work/$1.png" --page 0 >/dev/null ||
        fail "$2 --screenshot"
}
screenshot installed "$usr/bin/sudoku-atelier"
# The staging folders are writable, yet an installed program keeps its data in the XDG folder.
[ -d "$work/home-installed/data/sudoku-atelier" ] || fail "no data folder in XDG_DATA_HOME"

mkdir -p "$work/beside" "$work/bare"
cp -r "$usr/bin/sudoku-atelier" "$share/SuDoku.lng" "$share/Display Sets" "$work/beside/"
cp "$usr/bin/sudoku-atelier" "$work/bare/"
screenshot beside "$work/beside/sudoku-atelier"
[ -d "$work/home-beside/data" ] && fail "a program in a writable folder of its own used XDG"
screenshot bare "$work/bare/sudoku-atelier"
cmp -s "$work/installed.png" "$work/beside.png" ||
    fail "the installed window differs from one with its files beside the program"
cmp -s "$work/installed.png" "$work/bare.png" &&
    fail "the window looks the same without its language file and display sets"

desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$app_id.metainfo.xml" >"$work/as" ||
    { cat "$work/as"; fail "AppStream metadata"; }
for size in 16 48 256; do
    [ -s "$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "icon $size"
done
for page in man1/sudoku-engine.1.gz man6/sudoku-atelier.6.gz; do
    [ -s "$usr/share/man/$page" ] || fail "man page $page"
done
echo "1 passed, 0 failed"
