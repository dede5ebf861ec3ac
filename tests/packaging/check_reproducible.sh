#!/usr/bin/env bash
# Builds the Debian package a second time, from a copy of the sources in another folder whose files
# all carry a later time, and checks that it is the same, byte for byte, as the first build's.
#
#   check_reproducible.sh SOURCE BUILD GENERATOR COMPILER
#
# SOURCE is the source tree and BUILD the build folder that made the first package, with the CMake
# generator and C++ compiler it used. The second build is given the date the first package was
# made with (the last commit's, as the first build's cpack configuration says). The tests are
# left out of the second build: the package must not depend on them.
set -uo pipefail
source=$1 build=$2 generator=$3 compiler=$4
epoch=$(sed -nE 's/^ *set\(ENV\{SOURCE_DATE_EPOCH\} "([0-9]+)"\)$/\1/p' \
    "$build/packaging/cpack_config.cmake")
if [ -z "$epoch" ]; then
    echo "FAIL: $build/packaging/cpack_config.cmake gives cpack no SOURCE_DATE_EPOCH"
    exit 1
fi

first=("$build"/tandro_*.deb)
if [ ${#first[@]} -ne 1 ] || [ ! -f "${first[0]}" ]; then
    echo "FAIL: no single package in $build"
    exit 1
fi
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

echo "== building the package again"
(cd "$copy" \
    && SOURCE_DATE_EPOCH=$epoch cmake -S . -B build-package -G "$generator" \
        -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=Release -DTANDRO_DEBIAN_PACKAGE=ON \
        -DBUILD_TESTING=OFF >"$again/configure.log" \
    && SOURCE_DATE_EPOCH=$epoch cmake --build build-package --target package >"$again/build.log") \
    || { cat "$again"/*.log; echo "FAIL: the second build failed"; exit 1; }
second=("$copy"/build-package/tandro_*.deb)

sha256sum "${first[0]}" "${second[0]}"
if cmp "${first[0]}" "${second[0]}"; then
    echo "The two packages are the same."
    exit 0
fi

echo "FAIL: the two packages differ"
if command -v diffoscope >/dev/null; then
    diffoscope "${first[0]}" "${second[0]}"
else
    mkdir "$again/1" "$again/2"
    dpkg-deb --raw-extract "${first[0]}" "$again/1"
    dpkg-deb --raw-extract "${second[0]}" "$again/2"
    echo "-- files whose contents differ:"
    diff -rq "$again/1" "$again/2"
    echo "-- the archives' listings (modes, owners, sizes, times):"
    diff <(dpkg-deb --contents "${first[0]}") <(dpkg-deb --contents "${second[0]}")
    echo "-- the control fields:"
    diff <(dpkg-deb --info "${first[0]}") <(dpkg-deb --info "${second[0]}")
    echo "(diffoscope, from Debian, shows the differences inside the files.)"
fi
exit 1
