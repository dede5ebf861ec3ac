#!/usr/bin/env bash
# Builds the packages a second time, from a copy of the sources in another folder whose files all
# carry a later time, and checks that they are the same, byte for byte, as the first build's: the
# Debian package, or Windows' tandro.exe, zip and installer.
#
#   check_reproducible.sh debian SOURCE BUILD GENERATOR COMPILER
#   check_reproducible.sh windows SOURCE BUILD GENERATOR TOOLCHAIN
#
# SOURCE is the source tree and BUILD the build folder that made the first packages, with the CMake
# generator and the C++ compiler or toolchain file it used. The second build is given the date the
# first packages were made with (the last commit's, as the first build's cpack configuration says).
# The tests are left out of the second build: the packages must not depend on them.
set -uo pipefail
kind=$1 source=$2 build=$3 generator=$4 tool=$5
# Compiled afresh, not taken from a cache of what the first build compiled.
export CCACHE_DISABLE=1
case $kind in
debian)
    packages=(tandro_*.deb)
    folder=build-package
    options=(-DCMAKE_CXX_COMPILER="$tool" -DTANDRO_DEBIAN_PACKAGE=ON)
    ;;
windows)
    packages=(tandro.exe tandro-*-win64.zip tandro-*-win64-setup.exe)
    folder=build-windows
    options=(-DCMAKE_TOOLCHAIN_FILE="$tool")
    ;;
*)
    echo "usage: $0 debian|windows SOURCE BUILD GENERATOR COMPILER|TOOLCHAIN" >&2
    exit 2
    ;;
esac
epoch=$(sed -nE 's/^ *set\(ENV\{SOURCE_DATE_EPOCH\} "([0-9]+)"\)$/\1/p' \
    "$build/packaging/cpack_config.cmake")
if [ -z "$epoch" ]; then
    echo "FAIL: $build/packaging/cpack_config.cmake gives cpack no SOURCE_DATE_EPOCH"
    exit 1
fi

first=()
for package in "${packages[@]}"; do
    found=("$build"/$package)
    if [ ${#found[@]} -ne 1 ] || [ ! -f "${found[0]}" ]; then
        echo "FAIL: no single $package in $build"
        exit 1
    fi
    first+=("${found[0]}")
done
again=$(mktemp -d /tmp/tandro-again.XXXXXX)
trap 'rm -rf "$again"' EXIT
copy=$again/elsewhere/tandro

echo "== copying the sources to $copy"
mkdir -p "$copy"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    # What is committed and what is not yet, as the first build saw it.
    (cd "$source" && git ls-files -z --cached --others --exclude-standard) \
        | (cd "$source" && tar --null --files-from=- --create --file=-) \
        | tar --extract --directory="$copy"
else
    tar --create --file=- --directory="$source" --exclude='./build*' . \
        | tar --extract --directory="$copy"
fi
sleep 1.1 # a checkout made a moment later
find "$copy" -exec touch {} +

echo "== building again"
(cd "$copy" \
    && SOURCE_DATE_EPOCH=$epoch cmake -S . -B "$folder" -G "$generator" -DCMAKE_BUILD_TYPE=Release \
        "${options[@]}" -DBUILD_TESTING=OFF >"$again/configure.log" \
    && SOURCE_DATE_EPOCH=$epoch cmake --build "$folder" --target package >"$again/build.log") \
    || { cat "$again"/*.log; echo "FAIL: the second build failed"; exit 1; }

differ=()
for file in "${first[@]}"; do
    second=$copy/$folder/$(basename "$file")
    sha256sum "$file" "$second"
    cmp "$file" "$second" || differ+=("$file")
done
if [ ${#differ[@]} -eq 0 ]; then
    echo "The two builds are the same."
    exit 0
fi

echo "FAIL: the two builds differ: ${differ[*]}"
if [ "$kind" = windows ]; then
    for file in "${differ[@]}"; do
        second=$copy/$folder/$(basename "$file")
        echo "-- $(basename "$file"): $(cmp -l "$file" "$second" | wc -l) bytes differ, the first"
        cmp -l "$file" "$second" | head -20
        [[ $file == *.exe ]] && diff <(x86_64-w64-mingw32-objdump -p "$file" 2>/dev/null) \
            <(x86_64-w64-mingw32-objdump -p "$second" 2>/dev/null)
    done
    exit 1
fi
first=${first[0]}
second=$copy/$folder/$(basename "$first")
if command -v diffoscope >/dev/null; then
    diffoscope "$first" "$second"
else
    mkdir "$again/1" "$again/2"
    dpkg-deb --raw-extract "$first" "$again/1"
    dpkg-deb --raw-extract "$second" "$again/2"
    echo "-- files whose contents differ:"
    diff -rq "$again/1" "$again/2"
    echo "-- the archives' listings (modes, owners, sizes, times):"
    diff <(dpkg-deb --contents "$first") <(dpkg-deb --contents "$second")
    echo "-- the control fields:"
    diff <(dpkg-deb --info "$first") <(dpkg-deb --info "$second")
    echo "(diffoscope, from Debian, shows the differences inside the files.)"
fi
exit 1
