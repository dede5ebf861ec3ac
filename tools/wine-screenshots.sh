#!/usr/bin/env bash
# Plays a game of 'Ram' and 'Sita' with the Windows build under Wine, in a private X server, and
# saves pictures of the main window after it and of the About dialog.
#
#     tools/wine-screenshots.sh [FOLDER]     (default: shots/)
#
# Needs ./build.sh windows first, what ./build.sh test installs, and ImageMagick (for import).
#
# Wine has a few Windows fonts of its own ("MS Sans Serif", Tahoma) and the machine's, but none of
# Microsoft's: the pictures show the faces Wine has, not those a Windows machine draws in.
cd "$(dirname "$0")/.."
. tools/common.sh
folder=$(realpath -m "${1:-shots}")
mkdir -p "$folder"
if [ ! -f build-windows/tandro.exe ]; then
    echo "There is no build-windows/tandro.exe: ./build.sh windows makes it." >&2
    exit 1
fi
if [ "${2:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$folder" --inside
fi
# The same private, quiet Wine as the tests built for Windows run in.
prefix=$PWD/build-windows/screenshots-wine
tests/windows/wine_prefix.sh make "$prefix" >/dev/null 2>&1
tests/windows/wine.sh "$prefix" build-windows/tandro.exe >/dev/null 2>&1 &
disown # (ended with the prefix below, quietly)
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tandro$' | awk 'NR == 1')
xdotool windowfocus --sync "$window"
xdotool type --delay 80 Ram
xdotool key Tab
xdotool type --delay 80 Sita
xdotool key Return
sleep 4 # the game takes 1.5 s
import -window "$window" "$folder/main-window-after-game-wine.png"
xdotool key alt+b
about=$(timeout 30 xdotool search --sync --onlyvisible --name '^About Tandro$' | awk 'NR == 1')
sleep 1
import -window "$about" "$folder/about-dialog-wine.png"
tests/windows/wine_prefix.sh end "$prefix"
echo "Pictures are in $folder/"
