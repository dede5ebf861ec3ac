#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tandro, builds it, and launches it, packages it or runs its tests.
#
#   ./build.sh run      install what is missing, build, and launch the game
#   ./build.sh package  install what is missing, build as Debian builds its packages, and write
#                       the package build-package/tandro_<version>_<architecture>.deb
#   ./build.sh test     install what is missing, build, and run every test: with sanitizers and a
#                       run of the fuzzer, then built for Windows under Wine, and last as
#                       packaged, the package itself included
#   ./build.sh bench    install what is missing, build optimised, and run the benchmarks
#   ./build.sh windows  install what is missing and cross-build for Windows, into build-windows/:
#                       tandro.exe, the zip tandro-<version>-win64.zip and the installer
#                       tandro-<version>-win64-setup.exe
#   ./build.sh web      install what is missing and build for web browsers, into build-web/: the
#                       site build-web/site/ and the zip tandro-<version>-web.zip of it
#   ./build.sh serve    build for web browsers and serve the site on http://127.0.0.1:8000/
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need, with the free faces that stand in for the classic Windows ones:
# Carlito, Comic Neue, and Liberation Serif and Sans. Qt's window-system interface (private
# headers) hands the input that waited for a game back to the window.
run_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev
    fonts-crosextra-carlito fonts-comic-neue fonts-liberation2)
# What the tests need besides: Python to redraw the icon, the MinGW resource compiler for the Windows version record, the desktops'
# validators, clang with its sanitizer and fuzzer runtimes, the Orca screen reader with a private X
# server, an accessibility bus and a way to type into it, and Debian's package checker.
test_packages=(python3
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev desktop-file-utils appstream
    clang libclang-rt-14-dev
    orca xvfb xdotool at-spi2-core dbus-daemon procps
    lintian)
# What packaging needs besides: help2man for the manual page, Debian's tools that find the
# libraries the program needs and tell what a file is, and git, whose last commit dates the package.
package_packages=(help2man dpkg-dev file git)
# What the benchmarks need besides.
bench_packages=(libbenchmark-dev)
# What building for Windows needs: MinGW-w64 with POSIX threads (Qt needs them), Debian's Qt for
# its tools (moc, rcc), of the same version as the Qt for Windows, xz to unpack that, NSIS for
# the installer, and git, whose last commit dates tandro.exe, the zip and the installer.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev xz-utils nsis git)
# What testing on Windows needs besides: Wine with its own Windows fonts, and a private X server for
# Windows' own platform.
windows_test_packages=(wine wine64 fonts-wine xvfb)
# What building for the web needs: emscripten (with clang, binaryen and Node.js), Debian's Qt for
# its tools, xz to unpack the Qt for the web, fontTools to cut down the faces the page carries
# and the faces themselves, and git, whose last commit dates the zip.
web_packages=(cmake ninja-build emscripten qt6-base-dev xz-utils fonttools
    fonts-crosextra-carlito fonts-comic-neue fonts-liberation2 git)
# What testing in a browser needs besides: Chromium, and Python's websocket module to drive it.
web_test_packages=(chromium python3 python3-websocket)

# The Qt for Windows: no Qt for Windows is in Debian's archive. It is built from Debian's own Qt
# source with Debian's MinGW-w64 (tools/qt/qt-for-windows.sh), once, into the cache, unless these
# machines' prepared copy of the same is beside the repository; that is unpacked there instead.
qt_windows_archive=../shared/toolchains/qt6.4.2-mingw64-static.tar.xz
qt_windows_sha256=0ecc58b1877cce70648e11293852647bc31f90b0ebe66dc641cc68ee2a9c875d
qt_windows=${XDG_CACHE_HOME:-$HOME/.cache}/tandro/qt6.4.2-mingw64-static
# The Qt for the web, likewise (tools/qt/qt-for-web.sh): none is in Debian's archive.
qt_web_archive=../shared/toolchains/qt6.4.2-wasm-static.tar.xz
qt_web_sha256=1cc96b447d7932c9ccc107fbf7d7466663a5f335751de5180816d0ec43efa833
qt_web=${XDG_CACHE_HOME:-$HOME/.cache}/tandro/qt6.4.2-wasm

. tools/install-missing.sh
. tools/emsdk.sh

# Each build is one of CMakePresets.json's, into the folder it names.

# The game alone, without its tests.
build() {
    cmake --preset game
    cmake --build --preset game
}

# Builds as Debian builds its packages and makes the package with cpack, into build-package/; with
# the tests when given ON.
build_package() {
    cmake --preset package -DBUILD_TESTING="${1:-OFF}"
    cmake --build --preset package
}

# prepare_qt TARGET ARCHIVE SHA256 FOLDER RECIPE MINUTES: makes the Qt for TARGET (Windows, the web)
# ready in FOLDER. A prepared one comes first, from ARCHIVE, where these machines keep it: it saves
# the time that building takes. Otherwise one made ready before serves, and failing that one is
# built now from Debian's own Qt source by RECIPE (tools/qt/), which takes about MINUTES minutes on
# two cores.
prepare_qt() {
    local target=$1 archive=$2 sha256=$3 folder=$4 recipe=$5 minutes=$6
    if [ -f "$archive" ]; then
        [ "$(cat "$folder/.sha256" 2>/dev/null)" = "$sha256" ] && return
        if ! echo "$sha256  $archive" | sha256sum --check --status; then
            echo "$archive is not the Qt for $target this project builds with (its SHA-256" \
                "should be $sha256)." >&2
            return 1
        fi
        echo "Unpacking the prepared Qt for $target into $folder"
        rm -rf "$folder"
        mkdir -p "$(dirname "$folder")"
        tar --extract --xz --file="$archive" --directory="$(dirname "$folder")"
        echo "$sha256" >"$folder/.sha256"
        return
    fi
    made_ready "$folder" && return
    echo "No prepared Qt for $target is here ($archive, or one built before in $folder):" \
        "building one now from Debian's own qt6-base 6.4.2 source, which takes about $minutes" \
        "minutes on two cores."
    "$recipe" "$folder"
    echo "built by $recipe" >"$folder/.built-here"
}

# Whether the Qt in FOLDER was made ready before: built here, or unpacked from a prepared archive.
made_ready() {
    [ -f "$1/.built-here" ] || [ -f "$1/.sha256" ]
}

# Whether a Qt is at hand without building one: prepared, as ARCHIVE, or made ready in FOLDER.
has_qt() {
    local archive=$1 folder=$2
    [ -f "$archive" ] || made_ready "$folder"
}

prepare_qt_windows() {
    prepare_qt Windows "$qt_windows_archive" "$qt_windows_sha256" "$qt_windows" \
        tools/qt/qt-for-windows.sh 15
}

prepare_qt_web() {
    prepare_qt "the web" "$qt_web_archive" "$qt_web_sha256" "$qt_web" tools/qt/qt-for-web.sh 10
}

# Cross-builds for Windows into build-windows/: with ON, the game and its tests (which make the
# zip and the installer themselves); otherwise the game, the zip and the installer.
build_windows() {
    cmake --preset windows -DCMAKE_TOOLCHAIN_FILE="$qt_windows/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DBUILD_TESTING="${1:-OFF}"
    if [ "${1:-OFF}" = ON ]; then
        cmake --build --preset windows
    else
        cmake --build --preset windows --target package
    fi
}

# Builds for the web into build-web/: with ON, the page and its tests and figures; otherwise the
# site, build-web/site/, and the zip of it.
build_web() {
    # The emsdk that the web preset points EMSDK at (it says what else Debian's emscripten needs).
    make_emsdk build-web/emsdk
    cmake --preset web -DCMAKE_TOOLCHAIN_FILE="$qt_web/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DBUILD_TESTING="${1:-OFF}" -DTANDRO_BENCHMARKS="${1:-OFF}"
    cmake --build --preset web
    if [ "${1:-OFF}" != ON ]; then
        rm -rf build-web/site
        cmake --install build-web --prefix build-web/site
        cmake --build build-web --target package
    fi
}

case "${1:-}" in
run)
    install_missing "${run_packages[@]}"
    build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "Tandro is built (build/app/tandro) but needs a graphical desktop to open its window," \
            "and this session has none (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
        exit 1
    fi
    exec build/app/tandro
    ;;
package)
    install_missing "${run_packages[@]}" "${package_packages[@]}"
    build_package
    echo "The package is $(ls build-package/tandro_*.deb); its SHA-256 is" \
        "$(sha256sum build-package/tandro_*.deb | cut -d' ' -f1)"
    ;;
test)
    install_missing "${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
    # The whole suite, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer, and a
    # 60-second run of the fuzzer.
    cmake --preset sanitize
    cmake --build --preset sanitize
    ctest --preset sanitize
    # The suite built for Windows, run under Wine, with Windows' zip and installer.
    if has_qt "$qt_windows_archive" "$qt_windows"; then
        windows_start=$(date +%s)
        install_missing "${windows_packages[@]}" "${windows_test_packages[@]}"
        prepare_qt_windows
        build_windows ON
        ctest --test-dir build-windows --output-on-failure
        echo "The Windows part took $(($(date +%s) - windows_start)) s."
    else
        echo "Not building or testing for Windows: no Qt for Windows is at hand" \
            "(./build.sh windows builds one, in about 15 minutes)."
    fi
    # The web page played in headless Chromium, and its figures: what a browser fetches, and how
    # soon the window shows.
    if has_qt "$qt_web_archive" "$qt_web"; then
        web_start=$(date +%s)
        install_missing "${web_packages[@]}" "${web_test_packages[@]}"
        prepare_qt_web
        build_web ON
        ctest --test-dir build-web --output-on-failure
        /usr/bin/python3 bench/web/figures.py build-web/tests/site build-web/bench/web/floor
        echo "The web part took $(($(date +%s) - web_start)) s."
    else
        echo "Not building or testing for the web: no Qt for WebAssembly is at hand" \
            "(./build.sh web builds one, in about 10 minutes)."
    fi
    # Last, the suite as it ships, and the Debian package itself.
    build_package ON
    ctest --test-dir build-package --output-on-failure
    ;;
bench)
    install_missing "${run_packages[@]}" "${bench_packages[@]}"
    cmake --preset bench
    cmake --build --preset bench
    QT_QPA_PLATFORM=offscreen build-bench/bench/tandro-bench
    ;;
windows)
    install_missing "${windows_packages[@]}"
    prepare_qt_windows
    build_windows
    echo "For Windows: $(ls build-windows/tandro.exe build-windows/tandro-*-win64.zip \
        build-windows/tandro-*-win64-setup.exe | tr '\n' ' ')"
    ;;
web)
    install_missing "${web_packages[@]}"
    prepare_qt_web
    build_web
    echo "For the web: the site build-web/site/ ($(ls build-web/site | tr '\n' ' '))" \
        "and $(ls build-web/tandro-*-web.zip)"
    ;;
serve)
    install_missing "${web_packages[@]}" python3
    prepare_qt_web
    build_web
    echo "Serving build-web/site/ on http://127.0.0.1:8000/ (Ctrl+C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
    ;;
*)
    echo "usage: $0 run|package|test|bench|windows|web|serve" >&2
    exit 2
    ;;
esac
