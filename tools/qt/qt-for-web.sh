#!/usr/bin/env bash
# Builds the Qt that Tandro for web browsers is built against, from Debian's own Qt source.
#
#     tools/qt/qt-for-web.sh PREFIX
#
# Source: Debian 13's qt6-base (the Qt of the Linux build there; its version is in qt6-base.version),
# with Debian's patches and Tandro's own for the web (patches/web/, each saying what it mends).
# Compiler: Debian 13's emscripten 3.1.69 (Qt 6.8 names 3.1.56, and only warns of another); the
# host tools (moc, rcc, uic) are Debian's installed Qt of the same version.
# Result, in PREFIX: Qt Core, Gui, Widgets, OpenGL and Test for WebAssembly, static, release and
# single-threaded, with their private headers, the wasm platform and its loader (qtloader.js).
# Projects configure with
#     EMSDK=tools/qt/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs \
#     cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE=PREFIX/lib/cmake/Qt6/qt.toolchain.cmake ...
# (below, what the three are for), as the web presets of CMakePresets.json do. PREFIX may be
# moved. About 15 minutes on two cores; JOBS sets how many compilers run at once.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
. "$here/debian-source.sh"
prefix=$(realpath -m "${1:?usage: $0 PREFIX}")
work=$prefix.building
start=$(date +%s)

install_missing emscripten cmake ninja-build perl qt6-base-dev qt6-base-dev-tools
check_host_qt
source=$(qt_source "$work" "$here"/patches/web/*.patch)

# Qt's configure wants an emsdk, which Debian has not: one of links to Debian's emscripten stands
# in for it (emsdk/). Debian's Emscripten.cmake finds the compiler only when told where it is, and
# emscripten's optimiser needs Debian's acorn module, which a Node.js from elsewhere does not look
# for.
export EMSDK=$here/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs

# Qt writes the prefix it is configured for into every program (QLibraryInfo); it means nothing
# to a static tandro.wasm. A fixed one, not PREFIX, keeps its bytes the same wherever this Qt is
# built and installed.
built_for=/opt/qt$qt_version-wasm

options=(
    # The host's Qt gives moc, rcc and uic; Debian keeps its CMake files in the multiarch folder.
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # For WebAssembly, as configure's -xplatform wasm-emscripten.
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    # Static: one tandro.wasm, with nothing to link when the page loads.
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    # The build's own folder leaves no trace in the libraries' file names (__FILE__).
    "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=." "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$work=."
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    # One thread: a page then needs no cross-origin isolation to be served.
    -DFEATURE_thread=OFF
    # The host's pkg-config knows only Linux's libraries.
    -DFEATURE_pkg_config=OFF
    # The copies of these libraries in Qt's source are built in.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_freetype=OFF
    # What a small game of widgets does not use. (OpenGL stays: the web platform draws with WebGL.)
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_vulkan=OFF
    # Parts that Tandro's two windows never use, left out of what a browser fetches: documents in
    # other formats, animations, the widgets and dialogs that it has none of.
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_mdiarea=OFF -DFEATURE_toolbox=OFF -DFEATURE_undoview=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_inputdialog=OFF -DFEATURE_progressdialog=OFF
    -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF
    # Debian turns it on for cross builds; it is Android's.
    -DFEATURE_androiddeployqt=OFF
)
rm -rf "$prefix"
qt_configure "$source" "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_INSTALL_PREFIX="$built_for" "${options[@]}"
echo "Building Qt for the web (ninja's [done/all] counts its steps):"
nice ninja -C "$work/build" ${JOBS:+-j"$JOBS"}
cmake --install "$work/build" --prefix "$prefix" >/dev/null
static_plugins "$prefix"

if grep -rqF "$work" "$prefix/lib/cmake"; then
    echo "Qt's CMake files refer to the folder it was built in." >&2
    exit 1
fi
rm -rf "$work"
echo "Qt $qt_version for the web is in $prefix, built in $((($(date +%s) - start) / 60)) minutes."
