#!/usr/bin/env bash
# Sets up a Debian 13 machine for Tandro, builds it, and launches it, packages it or runs its tests.
# What each command builds is a workflow of CMakePresets.json; this script installs what it needs
# from Debian, makes the Qt for Windows or for the web ready, and says the order of the tests.
#
#   ./build.sh run      install what is missing, build, and launch the game
#   ./build.sh package  install what is missing, build as Debian builds its packages, and write
#                       the package build-package/tandro_<version>_<architecture>.deb
#   ./build.sh test     install what is missing, build, and run every test: with sanitizers and a
#                       run of the fuzzer, then built for Windows under Wine, then the web page in
#                       Chromium, and last as packaged, the package itself included
#   ./build.sh bench    install what is missing, build optimised, and run the benchmarks; then
#                       measure what Windows users download and the web page in the browsers,
#                       each against an empty Qt window built the same way
#   ./build.sh windows  install what is missing and cross-build for Windows, into build-windows/:
#                       tandro.exe, the zip tandro-<version>-win64.zip and the installer
#                       tandro-<version>-win64-setup.exe
#   ./build.sh web      install what is missing and build for web browsers, into build-web/: the
#                       site build-web/site/ and the zip tandro-<version>-web.zip of it
#   ./build.sh serve    build for web browsers and serve the site on http://127.0.0.1:8000/
#
# On Debian 12, run and package build the game against its Qt 6.4; the rest need Debian 13.
cd "$(dirname "$0")"
. tools/common.sh

debian=$(tandro_debian /etc/os-release) || exit 1

# What building and playing need: Qt's Linguist tools, which compile the translations, and Qt's own
# translations; with the free faces that stand in for the classic Windows ones (platform/faces.txt:
# each face's first free stand-in).
mapfile -t faces < <(awk -F '  +' '!/^#/ && $1 == "free" && NF > 3 && $4 != "-" { print $4 }' \
    platform/faces.txt | sort -u)
linguist=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# ccache keeps what the compilers made in the user's cache, ~/.cache/ccache: a build made again the
# same way, in another folder or on a machine whose cache it shares, compiles nothing twice.
run_packages=(cmake ninja-build g++ ccache qt6-base-dev "${linguist[@]}" "${faces[@]}")
# What the tests need besides: Qt's window-system interface (private headers), through which they
# give input as a user does; Python to redraw the icon, the MinGW resource compiler for the Windows
# version record, the desktops' validators, clang with its sanitizer and fuzzer runtimes, the Orca
# screen reader with a private X server, an accessibility bus and a way to type into it, Python's
# client of that bus, Qt's GTK 3 theme (GNOME's colours, light and dark), and Debian's package
# checker.
test_packages=(qt6-base-private-dev python3 qt6-gtk-platformtheme
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev desktop-file-utils appstream
    clang libclang-rt-dev
    orca xvfb xdotool at-spi2-core dbus-daemon procps python3-gi gir1.2-atspi-2.0
    lintian)
# What packaging needs besides: help2man for the manual page, Debian's tools that find the
# libraries the program needs and tell what a file is, and git, whose last commit dates the package.
package_packages=(help2man dpkg-dev file git)
# What the benchmarks need besides.
bench_packages=(libbenchmark-dev)
# What building for Windows needs: MinGW-w64 with POSIX threads (Qt needs them), Debian's Qt for
# its tools (moc, rcc, and the Linguist tools), of the same version as the Qt for Windows, and its
# translations, which tandro.exe carries, cut down by Python; NSIS for the installer, and git, whose
# last commit dates tandro.exe, the zip and the installer.
windows_packages=(cmake ninja-build ccache g++-mingw-w64-x86-64-posix qt6-base-dev "${linguist[@]}"
    python3 nsis git)
# What testing on Windows needs besides: Wine with its own Windows fonts, and a private X server for
# Windows' own platform.
windows_test_packages=(wine wine64 fonts-wine xvfb)
# What building for the web needs: emscripten (with clang, binaryen and Node.js), Debian's Qt for
# its tools and translations, fontTools to cut down the faces the page carries and the faces
# themselves, brotli to compress the site as hosts send it, and git, whose last commit dates the zip.
web_packages=(cmake ninja-build ccache emscripten qt6-base-dev "${linguist[@]}" fonttools
    "${faces[@]}" brotli git)
# What testing in a browser needs besides: Chromium, driven by Selenium through ChromeDriver;
# Firefox ESR, driven through WebDriver BiDi with a WebSocket client; WebKitGTK's MiniBrowser,
# driven by Selenium through WebKitWebDriver, in a private X server; Python's imaging library to
# read their screenshots; and npm, which installs axe-core and Lighthouse into the build folder,
# as tests/web/package-lock.json pins them.
web_test_packages=(chromium chromium-driver firefox-esr webkitgtk-webdriver xvfb xauth python3
    python3-selenium python3-websocket python3-pil npm)

needs_debian_13() {
    if [ "$debian" -lt 13 ]; then
        echo "./build.sh $1 needs Debian 13; on Debian $debian, ./build.sh run and" \
            "./build.sh package build the game and its package." >&2
        exit 1
    fi
}

# prepare_windows, prepare_web [PACKAGE...]: installs what building for Windows or the web needs,
# and PACKAGE..., and makes the Qt for it ready where the presets look for it. No such Qt is in
# Debian's archive: the recipe builds it from Debian's own Qt source the first time, and again
# whenever what makes it has changed, and says so (the README says how long that takes).
prepare_windows() {
    install_missing "${windows_packages[@]}" "$@"
    qt_recipe windows
}

prepare_web() {
    install_missing "${web_packages[@]}" "$@"
    qt_recipe web
}

# qt_recipe TARGET: the Qt for TARGET made ready, compiled afresh wherever it is built, its objects
# kept in no cache: a Qt is built once, and its recipe's outcome must not depend on one.
qt_recipe() {
    env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER tools/qt/build-qt.sh "$1"
}

# part NAME WORKFLOW: the part of the suite that WORKFLOW builds and runs, and how long it took.
part() {
    local start
    start=$(date +%s)
    cmake --workflow --preset "$2"
    echo "The $1 part took $(($(date +%s) - start)) s."
}

# Every build compiles through ccache, which each command installs (CMake takes these as its
# default).
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache

case "${1:-}" in
run)
    install_missing "${run_packages[@]}"
    cmake --workflow --preset game
    # Without a graphical desktop, Tandro says so itself, and ends with status 1.
    echo "Tandro is built (build/app/tandro): starting it."
    exec build/app/tandro
    ;;
package)
    install_missing "${run_packages[@]}" "${package_packages[@]}"
    cmake --workflow --preset package
    echo "The package is $(ls build-package/tandro_*.deb); its SHA-256 is" \
        "$(sha256sum build-package/tandro_*.deb | cut -d' ' -f1)"
    ;;
test)
    needs_debian_13 test
    install_missing "${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}"
    # The whole suite, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer, and a
    # 60-second run of the fuzzer.
    part sanitized sanitize
    # The suite built for Windows, run under Wine, with Windows' zip and installer.
    prepare_windows "${windows_test_packages[@]}"
    part Windows windows-tests
    # The web page played in Chromium, Firefox and WebKitGTK, and audited by axe-core and Lighthouse.
    prepare_web "${web_test_packages[@]}"
    part web web-tests
    # Last, the suite as it ships, and the Debian package itself.
    part packaged package-tests
    ;;
bench)
    needs_debian_13 bench
    install_missing "${run_packages[@]}" "${bench_packages[@]}"
    cmake --workflow --preset bench
    # What Windows users download, and what a browser fetches and how soon the page's window shows
    # in each browser, against an empty window built and started the same way.
    prepare_windows
    cmake --workflow --preset bench-windows
    prepare_web "${web_test_packages[@]}"
    cmake --workflow --preset bench-web
    ;;
windows)
    needs_debian_13 windows
    prepare_windows
    cmake --workflow --preset windows
    echo "For Windows: $(ls build-windows/tandro.exe build-windows/tandro-*-win64.zip \
        build-windows/tandro-*-win64-setup.exe | tr '\n' ' ')"
    ;;
web | serve)
    needs_debian_13 "$1"
    prepare_web python3
    cmake --workflow --preset web
    echo "For the web: the site build-web/site/ ($(ls build-web/site | tr '\n' ' '))" \
        "and $(ls build-web/tandro-*-web.zip)"
    if [ "$1" = serve ]; then
        exec python3 packaging/web/serve.py build-web/site 8000
    fi
    ;;
*)
    echo "usage: $0 run|package|test|bench|windows|web|serve" >&2
    exit 2
    ;;
esac
