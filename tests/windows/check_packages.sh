#!/usr/bin/env bash
# Checks what Windows users download: the portable zip, and the installer, installed and then
# uninstalled silently (/S), as administrators do, under Wine in the tests' Wine prefix.
#
#   check_packages.sh BUILD VERSION PREFIX
#
# BUILD holds tandro.exe and the packages made of it, tandro-VERSION-win64.zip and
# tandro-VERSION-win64-setup.exe.
set -uo pipefail
build=$(realpath "$1") version=$2
prefix=$(realpath "$3")
wine() { # as the tests run it: quietly, in their prefix
    "$(dirname "$0")/wine.sh" "$prefix" "$@"
}
zip=$build/tandro-$version-win64.zip
setup=$build/tandro-$version-win64-setup.exe
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== $(basename "$zip"): $(stat -c %s "$zip") bytes"
folder=tandro-$version-win64
listing=$(cd "$work" && cmake -E tar tf "$zip" | sort)
echo "$listing"
[ "$listing" = "$(printf "$folder/%s\n" LICENSE.txt README.txt tandro.exe)" ] \
    || fail "the zip does not hold just tandro.exe, LICENSE.txt and README.txt in $folder/"
(cd "$work" && cmake -E tar xf "$zip")
cmp -s "$work/$folder/tandro.exe" "$build/tandro.exe" \
    || fail "the zip's tandro.exe is not the one built"
for text in LICENSE.txt README.txt; do
    file=$work/$folder/$text
    lines=$(wc -l <"$file")
    # Every line ends in CR LF, the last one included.
    if [ "$lines" -eq 0 ] || [ "$(grep -c $'\r$' "$file")" -ne "$lines" ] \
        || [ -n "$(tail -c 1 "$file" | tr -d '\n')" ]; then
        fail "$text does not end its lines as Windows does"
    fi
done
grep -q "^Tandro ${version%.*.*}"$'\r$' "$work/$folder/README.txt" \
    || fail "README.txt does not name Tandro's version"

echo "== $(basename "$setup"): $(stat -c %s "$setup") bytes"
installed='C:\Program Files\Tandro'
folder_on_disk=$prefix/drive_c/Program\ Files/Tandro
shortcut=$prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tandro/Tandro.lnk
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandro'
entry() { # entry NAME: the value NAME of the uninstall entry, as reg prints it
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' \
        | sed -nE "s/^ +$1 +REG_[A-Z_]+ +(.*)$/\1/p"
}
wine "$setup" /S || fail "the installer ended with status $?"
ls -l "$folder_on_disk"
for file in tandro.exe LICENSE.txt README.txt Uninstall.exe; do
    [ -f "$folder_on_disk/$file" ] || fail "installing put no $file in $installed"
done
cmp -s "$folder_on_disk/tandro.exe" "$build/tandro.exe" \
    || fail "the tandro.exe installed is not the one built"
if [ -f "$shortcut" ]; then
    # A shell link holds its target's path.
    grep -aqF 'Tandro\tandro.exe' "$shortcut" \
        || fail "the Start menu's Tandro does not start tandro.exe"
else
    fail "installing put no Tandro in the Start menu"
fi
echo "Apps & features:"
wine reg query "$uninstall_key" | tr -d '\r' | grep -v '^$'
for expected in "DisplayName=Tandro" "DisplayVersion=$version" "Publisher=Tandro maintainers" \
    "DisplayIcon=$installed\\tandro.exe"; do
    name=${expected%%=*}
    [ "$name=$(entry "$name")" = "$expected" ] || fail "its $name is '$(entry "$name")'"
done
size=$(entry EstimatedSize)
kib=$((${size:-0}))
[ "$kib" -ge $(($(stat -c %s "$build/tandro.exe") / 1024)) ] \
    || fail "its entry's size is '$size' KiB"

wine "$installed\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
# It goes on from a copy of itself (Un_A.exe): wait, a minute at most, until it has ended and the
# program is gone.
for _ in $(seq 300); do
    ! pgrep -f 'Un_[A-Z]\.exe' >/dev/null && [ ! -e "$folder_on_disk" ] \
        && ! wine reg query "$uninstall_key" >/dev/null 2>&1 && break
    sleep 0.2
done
[ ! -e "$folder_on_disk" ] || fail "uninstalling left $installed: $(ls "$folder_on_disk")"
[ ! -e "$(dirname "$shortcut")" ] || fail "uninstalling left Tandro in the Start menu"
wine reg query "$uninstall_key" >/dev/null 2>&1 \
    && fail "uninstalling left the entry in Apps & features"
wine reg query 'HKLM\Software\Tandro maintainers' >/dev/null 2>&1 \
    && fail "uninstalling left the registry key HKLM\\Software\\Tandro maintainers"
[ $failed -eq 0 ] && echo "Installed and uninstalled: nothing is left behind."
exit $failed
