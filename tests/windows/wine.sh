#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the private Wine prefix PREFIX that
# wine_prefix.sh made: CTest's emulator for the tests built for Windows.
#
#   wine.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine 10 wants a runtime folder of the user's, and says so on every start where there is none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$WINEPREFIX/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
# Wine hands a program no variable whose name begins with QT_, but hands WINEQT_... on as QT_....
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# Qt Test's output goes to the debugger unless told otherwise, and the headless platform takes its
# fonts from one folder: Windows' own, which holds Wine's.
export WINEQT_FORCE_STDERR_LOGGING=1 'WINEQT_QPA_FONTDIR=C:\windows\Fonts'
exec wine "$@"
