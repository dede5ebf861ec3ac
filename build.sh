#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tandro, builds it, and launches it, packages it or runs its tests.
#
#   ./build.sh run      install what is missing, build, and launch the game
#   ./build.sh package  install what is missing, build as Debian builds its packages, and write
#                       the package build-package/tandro_<version>_<architecture>.deb
#   ./build.sh test     install what is missing, build, and run every test: with sanitizers and a
#                       run of the fuzzer, and then as packaged, the package itself included
#   ./build.sh bench    install what is missing, build optimised, and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need, with the free faces that stand in for the classic Windows ones:
# Carlito, Comic Neue, and Liberation Serif and Sans.
run_packages=(cmake ninja-build g++ qt6-base-dev
    fonts-crosextra-carlito fonts-comic-neue fonts-liberation2)
# What the tests need besides: Qt's window-system interface to send input as a user does, Python to
# redraw the icon, the MinGW resource compiler for the Windows version record, the desktops'
# validators, clang with its sanitizer and fuzzer runtimes, the Orca screen reader with a private X
# server, an accessibility bus and a way to type into it, and Debian's package checker.
test_packages=(qt6-base-private-dev python3
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev desktop-file-utils appstream
    clang libclang-rt-14-dev
    orca xvfb xdotool at-spi2-core dbus-daemon procps
    lintian)
# What packaging needs besides: help2man for the manual page, Debian's tools that find the
# libraries the program needs and tell what a file is, and git, whose last commit dates the package.
package_packages=(help2man dpkg-dev file git)
# What the benchmarks need besides.
bench_packages=(libbenchmark-dev)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# The game alone, without its tests.
build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    cmake --build build
}

# Builds as Debian builds its packages and makes the package with cpack, into build-package/; with
# the tests when given ON.
build_package() {
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTANDRO_DEBIAN_PACKAGE=ON \
        -DBUILD_TESTING="${1:-OFF}"
    cmake --build build-package --target package
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
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DTANDRO_SANITIZE=ON -DTANDRO_FUZZ=ON -DTANDRO_FUZZ_SECONDS=60
    cmake --build build-sanitize
    ctest --test-dir build-sanitize --output-on-failure
    # Last, the suite as it ships, and the Debian package itself.
    build_package ON
    ctest --test-dir build-package --output-on-failure
    ;;
bench)
    install_missing "${run_packages[@]}" "${bench_packages[@]}"
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DTANDRO_BENCHMARKS=ON
    cmake --build build-bench --target tandro-bench
    QT_QPA_PLATFORM=offscreen build-bench/bench/tandro-bench
    ;;
*)
    echo "usage: $0 run|package|test|bench" >&2
    exit 2
    ;;
esac
