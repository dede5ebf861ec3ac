#!/usr/bin/env bash
# Checks that tandro.exe is one file that runs on a bare Windows: it imports only DLLs that come
# with Windows (no Qt, no MinGW runtime), and carries no debugging symbols.
#
#   check_executable.sh TANDRO_EXE
set -uo pipefail
exe=$1
failed=0
objdump=x86_64-w64-mingw32-objdump

# Windows 10's own DLLs, and its API sets (api-ms-win-...), which Windows 8 and later resolve.
# (Qt 6.8 uses DirectWrite, Direct3D 12 and the device set-up API besides Qt 6.4's.)
windows_dlls=(advapi32 authz comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32
    msvcrt netapi32 ole32 oleaut32 psapi setupapi shcore shell32 shlwapi user32 userenv uxtheme
    version winmm ws2_32 wtsapi32)

echo "== $(basename "$exe"): $(stat -c %s "$exe") bytes"
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
echo "It imports: $(tr '\n' ' ' <<<"$imports")"
while read -r dll; do
    lower=${dll,,}
    [[ $lower == api-ms-win-*.dll ]] && continue
    if [[ " ${windows_dlls[*]} " != *" ${lower%.dll} "* ]]; then
        echo "FAIL: it imports $dll, which Windows does not have"
        failed=1
    fi
done <<<"$imports"

if "$objdump" -h "$exe" | grep -q ' \.debug_'; then
    echo "FAIL: it carries debugging symbols"
    failed=1
fi
exit $failed
