# Shared by the Qt recipes beside it (sourced, not run): Debian's own source of the Qt that
# Tandro's Linux build uses on Debian 13, with Debian's patches applied. Its version is said once,
# in qt6-base.version.

qt_debian_version=$(<"$(dirname "${BASH_SOURCE[0]}")/qt6-base.version")
qt_version=${qt_debian_version%%+*}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

. "$(dirname "${BASH_SOURCE[0]}")/../install-missing.sh"

# Where apt finds Debian's source packages: from deb-src lines. A machine set up with binary
# packages only has none; then lines for its own release are added, from the same mirror as its deb
# lines.
add_source_lines() {
    if grep -rqsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' \
        /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return
    fi
    local mirror release
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null \
        | head -1)
    [ -n "$mirror" ] || mirror=$(awk -v release="$release" '$1 == "deb" && $3 == release { print $2; exit }' \
        /etc/apt/sources.list 2>/dev/null)
    mirror=${mirror:-http://deb.debian.org/debian}
    echo "apt has no source packages to offer (no deb-src lines): adding $release's, from" \
        "$mirror, to /etc/apt/sources.list.d/$release-source.list"
    echo "deb-src $mirror $release main" \
        | "${as_root[@]}" tee "/etc/apt/sources.list.d/$release-source.list" >/dev/null
    "${as_root[@]}" apt-get update
}

# qt_source FOLDER [PATCH...]: fetches Debian's qt6-base source into FOLDER, unpacked with its
# patches and then with the given ones of Tandro's own (patches/, each saying what it mends), once;
# prints the unpacked source's path, and nothing else (what fetching says goes to stderr).
qt_source() {
    local folder=$1 source="$1/qt6-base-${qt_debian_version%-*}" patch
    shift
    if [ ! -f "$source/.complete" ]; then
        {
            install_missing dpkg-dev patch
            add_source_lines
            rm -rf "$source"
            mkdir -p "$folder"
            (cd "$folder" && apt-get source "qt6-base=$qt_debian_version")
            for patch in "$@"; do
                echo "Applying $(basename "$patch")"
                patch --directory="$source" --strip=1 --quiet <"$patch"
            done
        } >&2
        touch "$source/.complete"
    fi
    echo "$source"
}

# qt_configure SOURCE BUILD CMAKE-OPTION...: configures Qt's SOURCE for Ninja into BUILD, anew.
# Qt's build packs its MIME database with gzip; through CMake's own archiver the gzip header would
# carry the time of the build, through the gzip program (-n) it carries none. It shrinks the
# database first with xmlstarlet if it finds it: installed, the same on every machine. Configure
# is dated by Debian's source (SOURCE_DATE_EPOCH, its changelog's last entry), the build not: rcc
# would date Qt's own resources by it, which Debian's rcc otherwise leaves undated.
qt_configure() {
    local source=$1 build=$2
    shift 2
    install_missing xmlstarlet gzip
    rm -rf "$build" # nothing is kept of a configure before, which may have had other options
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog --file "$source/debian/changelog" \
        --show-field Timestamp) cmake -G Ninja -S "$source" -B "$build" \
        -DQT_AVOID_CMAKE_ARCHIVING_API=ON "$@"
}

# check_host_qt: the host tools (moc, rcc, uic) are Debian's installed Qt, which must be the very
# Qt that is cross-built.
check_host_qt() {
    local host
    host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    if [ "${host%%+*}" != "$qt_version" ]; then
        echo "Debian's installed Qt is $host; the Qt built here is $qt_version, Debian 13's." >&2
        return 1
    fi
}

# static_plugins PREFIX: Debian's Qt leaves its plugins out of what a program links unless asked (a
# patch of Debian's, enable_skip_plugins.patch, for its shared Qt, whose plugins come in packages
# of their own). A static Qt must link its platform plugin into each program: the Qt installed in
# PREFIX asks for it in its toolchain file.
static_plugins() {
    printf '%s\n' "" "# Tandro's Qt recipes: a static Qt links its plugins into each program." \
        "set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)" >>"$1/lib/cmake/Qt6/qt.toolchain.cmake"
}
