#!/usr/bin/env bash
# Runs Windows programs under Wine (wine.sh), one after the other, in the private prefix PREFIX that
# wine_prefix.sh made, on a Windows set up as SCHEME, and sets Windows back as it was afterwards:
#
#   in_scheme.sh PREFIX SCHEME PROGRAM [ARGUMENT...] [--and PROGRAM [ARGUMENT...]]...
#
# SCHEME is windows10-light, windows10-dark, windows11-light, windows11-dark or windows10-contrast:
# the version of Windows that Wine says it is (Qt takes Windows 11's own style there, and the Vista
# style on Windows 10), whether apps are to be dark (Settings > Personalisation > Colours), and for
# a contrast theme, its system colours (High Contrast Black's), with visual styles off as a contrast
# theme has them. Wine has no contrast themes of its own: it never says that one is on, so that Qt
# takes the colours as a light scheme's.
# Tells the programs what they run in: TANDRO_DESKTOP (SCHEME), TANDRO_PLATFORM_SCHEME (light, dark)
# and TANDRO_PLATFORM_STYLE. Fails if any of them fails. Windows is set up, and back, each by one
# start of Wine's registry editor, each start of Wine taking a while.
set -euo pipefail
prefix=$1 scheme=$2
shift 2
here=$(dirname "$0")
export WINEPREFIX=$prefix WINEDEBUG=-all
version=${scheme%%-*} colours=${scheme#*-}
case $scheme in
windows10-light | windows10-dark | windows11-light | windows11-dark | windows10-contrast) ;;
*)
    echo "unknown scheme $scheme" >&2
    exit 2
    ;;
esac

personalise='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
theme_manager='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
system_colours='HKEY_CURRENT_USER\Control Panel\Colors'
wine_settings='HKEY_CURRENT_USER\Software\Wine'
work=$(mktemp -d -p "$prefix")
# windows_path PATH: where Windows sees the file PATH, through Wine's drive Z:, the machine's root.
windows_path() {
    echo "Z:${1//\//\\}"
}
# regedit FILE: imports the registry file FILE, silently.
regedit() {
    wine regedit /S "$(windows_path "$1")" >/dev/null 2>&1
}
set_back() {
    printf '%s\r\n' REGEDIT4 "[$wine_settings]" '"Version"=-' "[$personalise]" \
        '"AppsUseLightTheme"=-' >"$work/back.reg"
    if [ -f "$work/colours-before.reg" ]; then
        printf '%s\r\n' "[$theme_manager]" '"ThemeActive"="1"' "[-$system_colours]" \
            >>"$work/back.reg"
        regedit "$work/back.reg"
        regedit "$work/colours-before.reg"
    else
        regedit "$work/back.reg"
    fi
    rm -rf "$work"
}
trap set_back EXIT

{
    printf '%s\r\n' REGEDIT4 "[$wine_settings]" "\"Version\"=\"win${version#windows}\"" \
        "[$personalise]"
    printf '"AppsUseLightTheme"=dword:%08x\r\n' "$([ "$colours" = dark ] && echo 0 || echo 1)"
} >"$work/scheme.reg"
if [ "$colours" = contrast ]; then
    # A contrast theme turns Windows' visual styles off: controls are drawn in the theme's colours.
    wine reg export "${system_colours/HKEY_CURRENT_USER/HKCU}" \
        "$(windows_path "$work/colours-before.reg")" /y >/dev/null
    printf '%s\r\n' "[$theme_manager]" '"ThemeActive"="0"' "[$system_colours]" >>"$work/scheme.reg"
    while read -r name rgb; do
        printf '"%s"="%s"\r\n' "$name" "$rgb" >>"$work/scheme.reg"
    done <<'COLOURS'
Window 0 0 0
WindowText 255 255 255
ButtonFace 0 0 0
ButtonText 255 255 255
ButtonHilight 255 255 255
ButtonLight 255 255 255
ButtonShadow 255 255 255
ButtonDkShadow 255 255 255
Hilight 26 235 255
HilightText 0 0 0
GrayText 63 242 63
Menu 0 0 0
MenuBar 0 0 0
MenuText 255 255 255
MenuHilight 26 235 255
InfoWindow 0 0 0
InfoText 255 255 255
HotTrackingColor 255 255 0
COLOURS
fi
regedit "$work/scheme.reg"

export TANDRO_DESKTOP=$scheme TANDRO_PLATFORM_SCHEME=light TANDRO_PLATFORM_STYLE=windowsvista
[ "$colours" = dark ] && TANDRO_PLATFORM_SCHEME=dark
[ "$version" = windows11 ] && TANDRO_PLATFORM_STYLE=windows11
# Each program, its arguments up to the next --and.
status=0
while [ $# -gt 0 ]; do
    program=()
    while [ $# -gt 0 ] && [ "$1" != --and ]; do
        program+=("$1")
        shift
    done
    [ $# -eq 0 ] || shift
    "$here/wine.sh" "$prefix" "${program[@]}" || status=$?
done
exit $status
