#!/usr/bin/env bash
# Runs a Windows program under Wine (wine.sh), in the private prefix PREFIX that wine_prefix.sh
# made, on a Windows set up as SCHEME, and sets Windows back as it was afterwards:
#
#   in_scheme.sh PREFIX SCHEME PROGRAM [ARGUMENT...]
#
# SCHEME is windows10-light, windows10-dark, windows11-light, windows11-dark or windows10-contrast:
# the version of Windows that Wine says it is (Qt takes Windows 11's own style there, and the Vista
# style on Windows 10), whether apps are to be dark (Settings > Personalisation > Colours), and for
# a contrast theme, its system colours (High Contrast Black's), with visual styles off as a contrast
# theme has them. Wine has no contrast themes of its own: it never says that one is on, so that Qt
# takes the colours as a light scheme's.
# Tells the program what it runs in: TANDRO_DESKTOP (SCHEME), TANDRO_PLATFORM_SCHEME (light, dark)
# and TANDRO_PLATFORM_STYLE.
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

personalise='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
theme_manager='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
system_colours='HKCU\Control Panel\Colors'
saved=$prefix/colours-before-$scheme.reg
set_back() {
    wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1 || true
    wine reg delete "$personalise" /v AppsUseLightTheme /f >/dev/null 2>&1 || true
    if [ -f "$saved" ]; then
        wine reg add "$theme_manager" /v ThemeActive /d 1 /f >/dev/null
        wine reg delete "$system_colours" /f >/dev/null 2>&1 || true
        wine reg import "$saved" >/dev/null 2>&1
        rm -f "$saved"
    fi
}
trap set_back EXIT

wine reg add 'HKCU\Software\Wine' /v Version /d "win${version#windows}" /f >/dev/null
wine reg add "$personalise" /v AppsUseLightTheme /t REG_DWORD /d "$([ "$colours" = dark ] && echo 0 ||
    echo 1)" /f >/dev/null
if [ "$colours" = contrast ]; then
    # A contrast theme turns Windows' visual styles off: controls are drawn in the theme's colours.
    wine reg add "$theme_manager" /v ThemeActive /d 0 /f >/dev/null
    wine reg export "$system_colours" "$(winepath -w "$saved")" /y >/dev/null
    while read -r name rgb; do
        wine reg add "$system_colours" /v "$name" /d "$rgb" /f >/dev/null
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

export TANDRO_DESKTOP=$scheme TANDRO_PLATFORM_SCHEME=light TANDRO_PLATFORM_STYLE=windowsvista
[ "$colours" = dark ] && TANDRO_PLATFORM_SCHEME=dark
[ "$version" = windows11 ] && TANDRO_PLATFORM_STYLE=windows11
status=0
"$here/wine.sh" "$prefix" "$@" || status=$?
exit $status
