#!/usr/bin/env bash
# Builds the Qt that Tandro for Windows is built against, from Debian's own Qt source.
#
#     tools/qt/qt-for-windows.sh PREFIX
#
# Source: Debian 13's qt6-base (the Qt of the Linux build there; its version is in qt6-base.version),
# with Debian's patches. Compilers: Debian 13's MinGW-w64 GCC 14 for x86_64 with POSIX threads; the
# host tools (moc, rcc, uic) are Debian's installed Qt of the same version.
# Result, in PREFIX: Qt Core, Gui, Widgets and Test, static and release, with their private
# headers; the windows, offscreen and minimal platforms; UI Automation. Projects configure with
#     cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE=PREFIX/lib/cmake/Qt6/qt.toolchain.cmake ...
# and need the same MinGW-w64 and Debian's qt6-base-dev on the building machine. PREFIX may be
# moved. About 25 minutes on two cores; JOBS sets how many compilers run at once.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
. "$here/debian-source.sh"
prefix=$(realpath -m "${1:?usage: $0 PREFIX}")
work=$prefix.building
triple=x86_64-w64-mingw32
start=$(date +%s)

install_missing gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix cmake ninja-build perl \
    qt6-base-dev qt6-base-dev-tools
check_host_qt
source=$(qt_source "$work")

# The cross toolchain, kept in the prefix, where Qt's own toolchain file loads it from.
rm -rf "$prefix"
mkdir -p "$prefix/lib/cmake/Qt6"
toolchain=$prefix/lib/cmake/Qt6/mingw-w64-x86_64.toolchain.cmake
cat >"$toolchain" <<TOOLCHAIN
# Debian's MinGW-w64 for 64-bit Windows, with POSIX threads, which Qt 6 needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_CXX_COMPILER $triple-g++-posix)
set(CMAKE_RC_COMPILER $triple-windres)
# Libraries and headers from MinGW's own tree only, never Linux's; programs from the machine.
set(CMAKE_FIND_ROOT_PATH /usr/$triple)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# GCC's, C++'s and the thread library's run-times linked in: a program needs no DLL of MinGW's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
TOOLCHAIN

# Qt writes the prefix it is configured for into every program (QLibraryInfo); it means nothing
# to a static tandro.exe. A fixed one, not PREFIX, keeps its bytes the same wherever this Qt is
# built and installed.
built_for=/opt/qt$qt_version-mingw64

options=(
    # The host's Qt gives moc, rcc and uic; Debian keeps its CMake files in the multiarch folder.
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # For Windows with MinGW, as configure's -xplatform win32-g++.
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    # Static: tandro.exe is one file with nothing beside it.
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    # The build's own folder leaves no trace in the libraries' file names (__FILE__).
    "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=." "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$work=."
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    # The host's pkg-config knows only Linux's libraries.
    -DFEATURE_pkg_config=OFF
    # MinGW has none of these libraries: the copies in Qt's source are built in.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
    # FreeType, built in, for the offscreen platform that the tests run on.
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    # What a small game of widgets does not use.
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_jpeg=OFF
    # Windows' fonts are found through GDI: its font database knows the bitmap faces that the
    # windows are drawn in, which DirectWrite 3's, Qt 6.8's choice where it has it, does not. (Qt
    # 6.8 needs DirectWrite itself, and Direct2D with it, which stay.)
    -DFEATURE_directwrite3=OFF
    # Debian's source lacks the Wintab headers that tablet input needs on Windows.
    -DFEATURE_tabletevent=OFF
    # Debian turns it on for cross builds; it is Android's.
    -DFEATURE_androiddeployqt=OFF
)
qt_configure "$source" "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$built_for" "${options[@]}"
echo "Building Qt for Windows (ninja's [done/all] counts its steps):"
nice ninja -C "$work/build" ${JOBS:+-j"$JOBS"}
cmake --install "$work/build" --prefix "$prefix" --strip >/dev/null

# Qt's toolchain file names the cross toolchain by its path: by its place beside it, so that the
# prefix may move.
sed -i "s|\"$prefix/lib/cmake/Qt6/|\"\${CMAKE_CURRENT_LIST_DIR}/|" \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
static_plugins "$prefix"
if grep -rqF "$work" "$prefix/lib/cmake"; then
    echo "Qt's CMake files refer to the folder it was built in." >&2
    exit 1
fi
rm -rf "$work"
echo "Qt $qt_version for Windows is in $prefix, built in $((($(date +%s) - start) / 60)) minutes."
