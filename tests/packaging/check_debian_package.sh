#!/usr/bin/env bash
# Checks the Debian package that cpack made: lintian's verdict, the files that it installs, what it
# depends on, and the packaged program's answer to --version, without installing it.
#
#   check_debian_package.sh FOLDER VERSION APP_ID
#
# FOLDER holds the one package, tandro_VERSION_<architecture>.deb.
set -uo pipefail
folder=$1 version=$2 app_id=$3
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

packages=("$folder"/tandro_"$version"_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "FAIL: no single package tandro_${version}_*.deb in $folder"
    exit 1
fi
deb=${packages[0]}
echo "Checking $deb"

echo "== lintian"
# (Lintian warns when run as root, as here in a container: that is not about the package.)
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2)
[ $? -eq 0 ] || fail "lintian finds errors or warnings"

echo "== the files it installs"
installed=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
expected=(/usr/games/tandro
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man6/tandro.6.gz
    /usr/share/doc/tandro/copyright
    /usr/share/doc/tandro/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    grep -qxF -- "$file" <<<"$installed" || fail "the package does not install $file"
done
grep -v '/$' <<<"$installed"

echo "== its control fields"
dpkg-deb --field "$deb" Package Version Section Depends Installed-Size
depends=$(dpkg-deb --field "$deb" Depends)
# Qt's libraries, and the faces that stand in for the windows' own (platform/faces.txt).
mapfile -t faces < <(cmake -P "$(dirname "$0")/../../platform/faces.cmake" 2>&1)
for needed in libqt6widgets6 libqt6gui6 "${faces[@]}"; do
    grep -qF -- "$needed" <<<"${depends//, /$'\n'}" || fail "Depends does not name $needed"
done
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package's section is not games"

echo "== unpacked"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/tandro" --version)
echo "tandro --version: $answer"
[ "$answer" = "Tandro $version" ] || fail "the packaged tandro answers --version with '$answer'"
file "$root/usr/games/tandro" | grep -q ', stripped' || fail "the packaged tandro is not stripped"
grep -qx "Exec=/usr/games/tandro" "$root/usr/share/applications/$app_id.desktop" \
    || fail "the launcher does not start /usr/games/tandro"
history=$(zcat "$root/usr/share/doc/tandro/changelog.gz" | head -1)
[[ $history == "tandro ($version) "* ]] || fail "the changelog's latest entry is not $version: $history"
exit $failed
