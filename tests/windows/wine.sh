#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the private Wine prefix PREFIX that
# wine_prefix.sh made: CTest's emulator for the tests built for Windows.
#
#   wine.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine hands a program no variable whose name begins with QT_, but hands WINEQT_... on as QT_....
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# Qt Test's output goes to the debugger unless told otherwise, and the headless platform takes its
# fonts from one folder: Windows' own, which holds Wine's.
export WINEQT_FORCE_STDERR_LOGGING=1 'WINEQT_QPA_FONTDIR=C:\windows\Fonts'
exec wine "$@"
