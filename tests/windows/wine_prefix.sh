#!/usr/bin/env bash
# Makes the private Wine prefix that the tests built for Windows run in, once per run of the suite,
# and starts the Wine server that they all share; or ends what still runs in it.
#
#   wine_prefix.sh make|end PREFIX
#
# A fresh prefix, made without asking for Wine's Mono or Gecko, with Wine's own Windows fonts
# ("MS Sans Serif", "Tahoma", ...) in C:\windows\Fonts, where Windows keeps its fonts. Windows has
# faces of its own for the scripts that its classic faces lack (Devanagari, Chinese), which Wine has
# not: the free faces that stand in for them elsewhere (platform/faces.txt) stand in there too. The server
# stays up between tests, so that each starts in a fraction of a second, and ends by itself a
# minute after the last, should nobody end it.
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
case $action in
make)
    for tool in wine wineboot wineserver; do
        command -v $tool >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
    done
    rm -rf "$WINEPREFIX"
    # (Debian's 64-bit Wine has no 32-bit half and says so as it starts: not our concern.)
    wineboot --init 2> >(grep -v 'syswow64' >&2)
    wineserver --wait
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    faces=$(dirname "$0")/../../platform/faces.txt
    awk -F '  +' '$1 == "free" && $2 == "*" { print $3 }' "$faces" | while read -r face; do
        cp "$(fc-match --format='%{file}' "$face")" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    # The server and Wine's own services start now, holding none of a test's output: CTest would
    # wait for them to end before it saw that test end.
    wineserver --persistent=60 </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    echo "Wine $(wine --version) in $WINEPREFIX"
    ;;
end)
    wineserver --kill 2>/dev/null || true
    ;;
esac
