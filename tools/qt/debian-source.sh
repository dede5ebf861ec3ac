# Shared by the Qt recipes beside it (sourced, not run): Debian's own source of the Qt that
# Tandro's Linux build uses, qt6-base 6.4.2+dfsg-10, with Debian's patches applied.

qt_debian_version=6.4.2+dfsg-10

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

. "$(dirname "${BASH_SOURCE[0]}")/../install-missing.sh"

# Where apt finds Debian's source packages: from deb-src lines. A machine set up with binary
# packages only has none; then lines for bookworm are added, from the same mirror as its deb lines.
add_source_lines() {
    if grep -rqsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' \
        /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return
    fi
    local mirror
    mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null \
        | head -1)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 ~ /^bookworm/ { print $2; exit }' \
        /etc/apt/sources.list 2>/dev/null)
    mirror=${mirror:-http://deb.debian.org/debian}
    echo "apt has no source packages to offer (no deb-src lines): adding bookworm's, from" \
        "$mirror, to /etc/apt/sources.list.d/bookworm-source.list"
    echo "deb-src $mirror bookworm main" \
        | "${as_root[@]}" tee /etc/apt/sources.list.d/bookworm-source.list >/dev/null
    "${as_root[@]}" apt-get update
}

# qt_source FOLDER: fetches Debian's qt6-base source into FOLDER, unpacked with its patches, once;
# prints the unpacked source's path, and nothing else (what fetching says goes to stderr).
qt_source() {
    local folder=$1 source="$1/qt6-base-6.4.2+dfsg"
    if [ ! -f "$source/.complete" ]; then
        {
            install_missing dpkg-dev
            add_source_lines
            rm -rf "$source"
            mkdir -p "$folder"
            (cd "$folder" && apt-get source "qt6-base=$qt_debian_version")
        } >&2
        touch "$source/.complete"
    fi
    echo "$source"
}

# qt_configure SOURCE BUILD CMAKE-OPTION...: configures Qt's SOURCE for Ninja into BUILD. Configure
# packs Qt's MIME database with gzip, whose header would carry the time of the run; dated by
# Debian's source (SOURCE_DATE_EPOCH, its changelog's last entry) it carries none. (For configure
# only: rcc, in the build, would date Qt's own resources by it, which Debian's rcc otherwise leaves
# undated.)
qt_configure() {
    local source=$1 build=$2
    shift 2
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog --file "$source/debian/changelog" \
        --show-field Timestamp) cmake -G Ninja -S "$source" -B "$build" "$@"
}

# check_host_qt: the host tools (moc, rcc, uic) are Debian's installed Qt, which must be the very
# Qt that is cross-built.
check_host_qt() {
    local host
    host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    if [ "${host%%+*}" != "${qt_debian_version%%+*}" ]; then
        echo "Debian's installed Qt is $host; the Qt built here is ${qt_debian_version%%+*}." >&2
        return 1
    fi
}
