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
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-shots}")
mkdir -p "$folder"
if [ ! -f build-windows/tandro.exe ]; then
    echo "There is no build-windows/tandro.exe: ./build.sh windows makes it." >&2
    exit 1
fi
if [ "${2:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$folder" --inside
fi
export WINEPREFIX=$PWD/build-windows/screenshots-wine WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -d "$WINEPREFIX" ]; then
    wineboot --init 2>/dev/null
    wineserver --wait
    # Debian's Wine finds its own Windows fonts only where Windows keeps its fonts.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wine build-windows/tandro.exe >/dev/null 2>&1 &
disown # (ended by wineserver --kill below, quietly)
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tandro$' | head -1)
xdotool windowfocus --sync "$window"
xdotool type --delay 80 Ram
xdotool key Tab
xdotool type --delay 80 Sita
xdotool key Return
sleep 4 # the game takes 1.5 s
import -window "$window" "$folder/main-window-after-game-wine.png"
xdotool key alt+b
about=$(timeout 30 xdotool search --sync --onlyvisible --name '^About Tandro$' | head -1)
sleep 1
import -window "$about" "$folder/about-dialog-wine.png"
wineserver --kill
echo "Pictures are in $folder/"
