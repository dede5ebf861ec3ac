#!/usr/bin/env bash
# Builds the Qt that Tandro for Windows or for web browsers is built against, from Debian's own Qt
# source, where location.cmake says it is kept:
#
#     tools/qt/build-qt.sh windows|web            builds it, unless the one kept is current
#     tools/qt/build-qt.sh --check windows|web    goes as far as Qt's configure, and builds nothing
#     tools/qt/build-qt.sh --stamp windows|web    says what makes it (recipe.sh, qt_stamp)
#
# Source: Debian 13's qt6-base, the Qt of the Linux build there, with Debian's patches and then
# Tandro's own, each saying what it mends: patches/common/ for both Qts, then patches/windows/ or
# patches/web/. Its version is said once, in qt6-base.version. Debian's archive keeps only the
# newest version of a package in a release: once it has replaced that one (a point release or a
# security fix), the newest source of the same Qt is built instead, and this says so; the Qt's file
# debian-source says which was built. apt finds the source through lists of the recipe's own, made
# from the machine's apt lines for its release, and leaves the machine's own settings as they are.
#
# The Qt kept is stamped with what made it (qt_stamp): the source named, the recipe and its
# patches, and the versions of Debian's compilers and tools that built it. A change to any of them
# builds it again, and says what changed; a Qt not stamped by this recipe (one finished by hand, or
# whose build stopped) is never taken for its work. The toolchain files check the stamp too.
#
# Compilers: Debian 13's MinGW-w64 GCC for x86_64 with POSIX threads, or its emscripten (Qt 6.8
# names emscripten 3.1.56, and only warns of Debian's 3.1.69). The host tools (moc, rcc, uic) are
# Debian's installed Qt, which must be of the same Qt version.
#
# Result: Qt Core, Gui, Widgets and Test, static and release, with their private headers, and the
# platforms: for Windows, the windows, offscreen and minimal platforms and UI Automation; for the
# web, the wasm platform with its loader (qtloader.js), single-threaded, with OpenGL (WebGL), an
# emsdk made of links to Debian's emscripten (emsdk/), which Qt's CMake files look for, and the
# DejaVu Sans face that the platform no longer builds in (lib/fonts/).
# Projects configure with -DCMAKE_TOOLCHAIN_FILE=tools/qt/windows.cmake or web.cmake, as the
# presets do. The folder may be moved. JOBS sets how many compilers run at once.
here=$(dirname "$(realpath "$0")")
. "$here/../common.sh"
. "$here/recipe.sh"
mode=build
case ${1:-} in
--check | --stamp)
    mode=${1#--}
    shift
    ;;
esac
target=${1:-}
case $target in
windows) suffix=mingw64 mkspec=win32-g++ ;;
web) suffix=wasm mkspec=wasm-emscripten ;;
*)
    echo "usage: $0 [--check|--stamp] windows|web" >&2
    exit 2
    ;;
esac
if [ "$mode" = stamp ]; then
    qt_stamp "$target" "$here"
    exit
fi
start=$(date +%s)

# shellcheck disable=SC2046 # the toolchain's packages are words
install_missing $(qt_toolchain "$target") cmake ninja-build perl qt6-base-dev dpkg-dev patch \
    xmlstarlet gzip

# The Qt to build, and whether the one kept is current.
named=$(<"$here/qt6-base.version")
qt_version=${named%%+*}
prefix=$(cmake -DQT_FOR="$target" -P "$here/location.cmake" 2>&1)
stamp=$(qt_stamp "$target" "$here")
if [ "$mode" = build ]; then
    qt_lock "$prefix" "$target"
    if [ -f "$prefix/.built-here" ] && [ "$(<"$prefix/.built-here")" = "$stamp" ]; then
        exit 0
    elif [ -f "$prefix/.built-here" ] && [ "$(sed -n 1p "$prefix/.built-here")" = \
        "$(sed -n 1p <<<"$stamp")" ]; then
        # The things whose lines differ, by their first words.
        changed=$({ diff <(echo "$stamp") "$prefix/.built-here" || true; } \
            | sed -n 's/^[<>] \([^ ]*\) .*/\1/p' | sort -u | paste -sd, | sed 's/,/, /g')
        echo "The Qt for $target in $prefix was made from something that has changed since" \
            "($changed): building it again (tools/qt/build-qt.sh $target)."
    elif [ -e "$prefix" ]; then
        echo "The Qt for $target in $prefix is not stamped by this recipe (an earlier recipe's, or" \
            "one finished by hand or not at all): building it again (tools/qt/build-qt.sh $target)."
    else
        echo "No Qt for $target is in $prefix yet: building one now from Debian's own Qt source" \
            "(tools/qt/build-qt.sh $target); later builds find it there."
    fi
fi

host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
if [ "${host%%+*}" != "$qt_version" ]; then
    echo "Debian's installed Qt is $host; the Qt built here is $qt_version, Debian 13's." >&2
    exit 1
fi

# Debian's source packages, found through apt lines of the recipe's own: for each line of the
# machine's for Debian's archive of its release, the same for the sources. apt reads them, and
# keeps what it fetches, in a folder of the recipe's, which goes when it ends.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
apt_tree=$(mktemp -d)
trap 'rm -rf "$apt_tree"' EXIT
mkdir -p "$apt_tree/sources.list.d" "$apt_tree/lists/partial" "$apt_tree/source"
: >"$apt_tree/sources.list"
qt_source_lists /etc/apt "$release" >"$apt_tree/sources.list.d/debian.sources"
if [ ! -s "$apt_tree/sources.list.d/debian.sources" ]; then
    echo "This machine's apt lines (/etc/apt/sources.list, /etc/apt/sources.list.d/) name no" \
        "mirror of Debian's archive for ${release:-its release} with its main component, from" \
        "which Debian's Qt source would come: add one, and run this again." >&2
    exit 1
fi
apt=(-o Dir::Etc::SourceList="$apt_tree/sources.list"
    -o Dir::Etc::SourceParts="$apt_tree/sources.list.d" -o Dir::State::Lists="$apt_tree/lists"
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
if [ ${#as_root[@]} -eq 0 ]; then
    # As root, apt fetches as its own user, _apt, who must reach the folders it fetches into.
    chmod 755 "$apt_tree"
    chown _apt "$apt_tree/lists/partial" "$apt_tree/source"
fi
echo "Looking for Debian's qt6-base source in $(sed -n 's/^URIs: //p' \
    "$apt_tree/sources.list.d/debian.sources" | sort -u | paste -sd' ') ($release)"
apt-get "${apt[@]}" -qq update
offered=$(apt-cache "${apt[@]}" showsrc qt6-base | sed -n 's/^Version: //p')
# shellcheck disable=SC2086 # the versions offered are words
version=$(qt_version_to_build "$named" $offered)
if [ -z "$version" ]; then
    echo "Debian's archive has no source of qt6-base $qt_version (it offers:" \
        "${offered//$'\n'/, })." >&2
    exit 1
fi
if [ "$version" != "$named" ]; then
    echo "Debian's archive no longer has qt6-base $named (qt6-base.version): building $version," \
        "its newest source of Qt $qt_version, instead."
fi

# The source, with Debian's patches and then the target's own; the work is kept where the Qt is
# until it is done, or, for a check, somewhere of its own.
if [ "$mode" = check ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$apt_tree" "$work"' EXIT
else
    work=$prefix.building
fi
source=$work/qt6-base-${version%-*}
if [ ! -f "$source/.complete" ] || [ "$(<"$source/.complete")" != "$stamp"$'\n'"$version" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$apt_tree/source" && apt-get "${apt[@]}" -qq source --download-only "qt6-base=$version")
    # apt has checked the files against the archive's signed index; dpkg-source warns that it
    # cannot check the maintainer's signature itself, without Debian's keyring of its developers.
    dpkg-source --extract "$apt_tree/source/qt6-base_${version#*:}.dsc" "$source" >/dev/null
    qt_apply_patches "$source" "Debian's qt6-base $version" "$here/patches/common"/*.patch \
        "$here/patches/$target"/*.patch
    printf '%s\n%s\n' "$stamp" "$version" >"$source/.complete"
fi

# The Qt is installed into the work folder first, and takes the kept one's place once it is whole.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
staging=$work/qt
rm -rf "$staging"
mkdir -p "$staging/lib/cmake/Qt6"
options=(
    # The host's Qt gives moc, rcc and uic; Debian keeps its CMake files in the multiarch folder.
    -DQT_HOST_PATH=/usr "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$multiarch/cmake"
    # For the target, as configure's -xplatform.
    -DQT_QMAKE_TARGET_MKSPEC="$mkspec"
    # Qt writes the prefix it is configured for into every program (QLibraryInfo); it means
    # nothing to a static program. A fixed one keeps the program's bytes the same wherever this Qt
    # is built and installed.
    -DCMAKE_INSTALL_PREFIX="/opt/qt$qt_version-$suffix"
    # Static: the program is one file with nothing beside it, or nothing to link when a page loads.
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    # The build's own folder leaves no trace in the libraries' file names (__FILE__).
    "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=." "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$work=."
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    # The host's pkg-config knows only Linux's libraries.
    -DFEATURE_pkg_config=OFF
    # The target has none of these libraries: the copies in Qt's source are built in.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_freetype=OFF
    # What a small game of widgets does not use.
    -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_icu=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_jpeg=OFF
    # What a player downloads: Qt compiled for size (-Os, or -Oz for the web), not for speed
    # (-O2), which a game of two names does not need.
    -DFEATURE_optimize_size=ON
    # Debian turns it on for cross builds; it is Android's.
    -DFEATURE_androiddeployqt=OFF
    # Qt's build packs its MIME database with gzip; through CMake's own archiver the gzip header
    # would carry the time of the build, through the gzip program (-n) it carries none. It shrinks
    # the database first with xmlstarlet if it finds it: installed, the same on every machine.
    -DQT_AVOID_CMAKE_ARCHIVING_API=ON
)
# Parts of Qt that Tandro's two windows never use, left out of what a player downloads. (Each part
# that a static program does not call is left out of it anyway; these are called from within Qt,
# for what Tandro never asks of it.) Documents in other formats, style sheets and rich text; item
# views and their models; graphics scenes; docks, tool and status bars, tabs and splitters; the
# widgets and dialogs that it has none of; gestures, animations and kinetic scrolling; MIME types,
# XML, settings, time zones, calendars other than the Gregorian, processes and libraries; pictures
# and image formats other than PNG and XPM (which drag and drop needs); undo stacks and validators.
left_out=(
    textodfwriter textmarkdownreader textmarkdownwriter pdf texthtmlparser textbrowser
    cssparser style_stylesheet itemviews listview tableview treeview columnview listwidget
    tablewidget treewidget datawidgetmapper combobox completer fscompleter standarditemmodel
    filesystemmodel proxymodel sortfilterproxymodel identityproxymodel transposeproxymodel
    concatenatetablesproxymodel stringlistmodel graphicsview graphicseffect dockwidget
    toolbar statusbar tabbar tabwidget splitter sizegrip mdiarea calendarwidget datetimeedit
    dial lcdnumber toolbox undoview keysequenceedit fontcombobox syntaxhighlighter
    splashscreen commandlinkbutton spinbox progressbar rubberband statustip whatsthis
    colordialog filedialog fontdialog inputdialog progressdialog errormessage wizard gestures
    effects animation easingcurve scroller movie mimetype xmlstream xmlstreamreader
    xmlstreamwriter settings timezone datetimeparser jalalicalendar hijricalendar
    islamiccivilcalendar process processenvironment library filesystemwatcher sharedmemory
    systemsemaphore permissions desktopservices systemtrayicon sessionmanager picture
    imageformat_bmp imageformat_ppm imageformat_xbm image_heuristic_mask image_text
    undocommand undostack undogroup validator tabletevent sha3_fast
)
# left_out_for TARGET [KEPT...]: leaves those parts out of the Qt for TARGET, but for the KEPT.
left_out_for() {
    local feature kept=" ${*:2} "
    for feature in "${left_out[@]}"; do
        [[ $kept == *" $feature "* ]] || options+=("-DFEATURE_$feature=OFF")
    done
}
case $target in
windows)
    # The cross toolchain, kept with the Qt, where Qt's own toolchain file loads it from.
    triple=x86_64-w64-mingw32
    toolchain=$staging/lib/cmake/Qt6/mingw-w64-x86_64.toolchain.cmake
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
    options+=(
        -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        # Regular expressions, which Qt uses within itself on short texts, are matched without
        # PCRE2's compiler of machine code (as Qt does on ARM): 150 kB less, and no code written
        # at run time.
        "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=. -DPCRE2_DISABLE_JIT"
        # FreeType, built in, for the offscreen platform that the tests run on.
        -DFEATURE_freetype=ON -DINPUT_opengl=no
        # Windows' fonts are found through GDI: its font database knows the bitmap faces that the
        # windows are drawn in, which DirectWrite 3's, Qt 6.8's choice where it has it, does not.
        # (Qt 6.8 needs DirectWrite itself, and Direct2D with it, which stay.)
        -DFEATURE_directwrite3=OFF
        # Pictures painted with SSE2, which every x86-64 processor has, and not again for each
        # of its later extensions (SSSE3, SSE 4.1, AVX2): a window this small needs none of them.
        -DFEATURE_ssse3=OFF -DFEATURE_sse4_1=OFF -DFEATURE_avx2=OFF
    )
    # Kept: graphics effects, with which Windows 11's style draws the shadow of menus
    # (patches/windows/graphics-effects-without-graphics-view.patch: without graphics view), and
    # the styles' animations. The platform reads ClearType's setting from the registry through
    # QSettings. The tests start programs, and read Qt Linguist's catalogs, which are XML. (Tablet
    # input stays out: Debian's source lacks the Wintab headers that it needs on Windows.)
    left_out_for windows graphicseffect animation easingcurve settings process processenvironment \
        xmlstream xmlstreamreader xmlstreamwriter
    install_options=(--strip)
    ;;
web)
    # Qt's configure, and the CMake files of the Qt it builds, want an emsdk, which Debian has not:
    # one of links to Debian's emscripten stands in for it, with the line of its .emscripten that
    # they read. Debian's Emscripten.cmake finds the compiler only when told where it is, and
    # emscripten's optimiser needs Debian's acorn module, which a Node.js from elsewhere does not
    # look for.
    mkdir -p "$staging/emsdk/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$staging/emsdk/.emscripten"
    ln -s /usr/bin/emcc /usr/bin/em++ /usr/share/emscripten/cmake \
        "$staging/emsdk/upstream/emscripten/"
    export EMSDK=$staging/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs
    options+=(
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
        # One thread: a page then needs no cross-origin isolation to be served.
        -DFEATURE_thread=OFF
        # No regular expressions: Tandro matches none, and the page then carries no PCRE2.
        -DFEATURE_regularexpression=OFF
    )
    left_out_for web
    install_options=()
    ;;
esac

# Configured anew, dated by Debian's source (its changelog's last entry): rcc dates Qt's own
# resources by it, which Debian's rcc otherwise leaves undated. The build itself is not dated.
rm -rf "$work/build"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog --file "$source/debian/changelog" --show-field Timestamp) \
    cmake -G Ninja -S "$source" -B "$work/build" "${options[@]}"
if [ "$mode" = check ]; then
    echo "Qt $version for $target is configured, in $(($(date +%s) - start)) s: the recipe works" \
        "on this machine as far as building it."
    exit 0
fi
echo "Building Qt $version for $target (ninja's [done/all] counts its steps):"
nice ninja -C "$work/build" ${JOBS:+-j"$JOBS"}
cmake --install "$work/build" --prefix "$staging" "${install_options[@]}" >/dev/null

# Qt's toolchain file names the cross toolchain by its path: by its place beside it, so that the
# prefix may move. Debian's Qt leaves its plugins out of what a program links unless asked (a
# patch of Debian's, enable_skip_plugins.patch, for its shared Qt, whose plugins come in packages
# of their own); a static Qt must link its platform plugin into each program.
sed -i "s|\"$staging/lib/cmake/Qt6/|\"\${CMAKE_CURRENT_LIST_DIR}/|" \
    "$staging/lib/cmake/Qt6/qt.toolchain.cmake"
printf '%s\n' "" "# Tandro's Qt recipe: a static Qt links its plugins into each program." \
    "set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)" >>"$staging/lib/cmake/Qt6/qt.toolchain.cmake"
if [ "$target" = web ]; then
    # The face that the platform draws in where a program sets none, which it no longer builds in
    # (patches/web/no-built-in-fonts.patch): kept here, for programs to take what they show of it.
    install -D -m 644 -t "$staging/lib/fonts" "$source/src/3rdparty/wasm/DejaVuSans.ttf" \
        "$source/src/3rdparty/wasm/DEJAVU-LICENSE"
fi
if grep -rqF "$work" "$staging/lib/cmake"; then
    echo "Qt's CMake files refer to the folder it was built in ($work)." >&2
    exit 1
fi
echo "$version" >"$staging/debian-source"
rm -rf "$prefix"
mv "$staging" "$prefix"
rm -rf "$work"
# Last, the stamp: a Qt whose build stopped before here has none.
echo "$stamp" >"$prefix/.built-here"
echo "Qt $version for $target is in $prefix, built in $((($(date +%s) - start) / 60)) minutes."
