# The choices that build-qt.sh makes, as functions that print what they choose: sourced by the
# recipe, and by its test (tests/tools/check_qt_recipe.sh), which gives them machines of its own.

# qt_source_lists ETC RELEASE: the deb822 stanzas through which apt finds Debian's source packages
# of RELEASE (a code name, such as trixie), made from the machine's apt lines in ETC (/etc/apt), in
# either layout: one-line sources.list and sources.list.d/*.list, and deb822
# sources.list.d/*.sources, enabled ones only. Each line of Debian's archive for RELEASE or one of
# its suites (RELEASE-updates, RELEASE-security, ...) with the main component gives one stanza of
# the same address, suite and key (Signed-By), for main's sources. Prints nothing when ETC has no
# such line. apt itself reads the lines (apt-get indextargets, which knows both layouts); it does
# not list their keys, which are read from the entry it names (qt_entry_key).
qt_source_lists() {
    local etc=$1 release=$2 lists type uri suite component entry stanza printed=()
    lists=$(mktemp -d)
    # (A line said twice, in both layouts, is apt's to warn about when it reads it for packages; here
    # it is taken once.)
    # shellcheck disable=SC2016 # apt's own fields, not the shell's
    apt-get -o Dir::Etc="$etc" -o Dir::State::Lists="$lists" indextargets --no-release-info \
        --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT) $(SOURCESENTRY)' \
        >"$lists/targets" 2> >(grep -v 'is configured multiple times' >&2)
    while read -r type uri suite component entry; do
        [[ $type == deb || $type == deb-src ]] && [ "$component" = main ] || continue
        [[ $suite == "$release" || $suite == "$release"-* ]] && [[ $uri != cdrom:* ]] || continue
        stanza="Types: deb-src"$'\n'"URIs: ${uri%/}"$'\n'"Suites: $suite"$'\n'"Components: main"
        local key
        key=$(qt_entry_key "$entry")
        # A key given whole begins on the line after the field's name.
        [ -z "$key" ] || stanza+=$'\n'"Signed-By:$([[ $key == $'\n'* ]] || echo ' ')$key"
        [[ " ${printed[*]} " != *" ${stanza//[[:space:]]/_} "* ]] || continue
        [ ${#printed[@]} -eq 0 ] || echo
        echo "$stanza"
        printed+=("${stanza//[[:space:]]/_}")
    done <"$lists/targets"
    rm -rf "$lists"
}

# qt_entry_key ENTRY: the key (Signed-By) of the apt entry ENTRY, as apt-get indextargets names it
# (FILE:NUMBER: the line of a one-line list, or the stanza of a deb822 one), or nothing. A key given
# whole in a stanza, over several lines, is printed whole, from the line break after the name.
qt_entry_key() {
    local file=${1%:*} number=${1##*:}
    case $file in
    *.sources)
        sed '/^#/d' "$file" | awk -v RS= -v number="$number" 'NR == number {
            lines = split($0, line, "\n")
            for (i = 1; i <= lines; i++) {
                if (tolower(line[i]) !~ /^signed-by:/) continue
                key = line[i]
                sub(/^[^:]*:[ \t]*/, "", key)
                while (i < lines && line[i + 1] ~ /^[ \t]/) key = key "\n" line[++i]
                print key
            }
        }'
        ;;
    *)
        sed -n "${number}s/^[^[]*\[\([^]]*\)\].*/\1/p" "$file" | tr ' \t' '\n\n' \
            | sed -n 's/^signed-by=//p'
        ;;
    esac
}

# qt_version_to_build NAMED OFFERED...: the version of Debian's qt6-base source to build, of those
# that the archive offers: NAMED if it is offered, or else the newest offered one of the same Qt
# (the upstream version before the "+"). Prints nothing when none is.
qt_version_to_build() {
    local named=$1 offered version=
    shift
    for offered in "$@"; do
        if [ "$offered" = "$named" ]; then
            echo "$named"
            return
        fi
        if [[ $offered == "${named%%+*}+"* ]] \
            && { [ -z "$version" ] || dpkg --compare-versions "$offered" gt "$version"; }; then
            version=$offered
        fi
    done
    [ -z "$version" ] || echo "$version"
}

# qt_toolchain TARGET: Debian's packages whose programs and files go into the Qt for TARGET
# (windows, web): the compilers with their linkers and run-times, and the host's Qt tools.
qt_toolchain() {
    case $1 in
    windows)
        echo gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
            mingw-w64-x86-64-dev qt6-base-dev-tools
        ;;
    web)
        # Debian's emscripten compiles with Debian's LLVM, and optimises with binaryen and with
        # its own JavaScript optimiser on Node.js.
        echo emscripten clang-19 lld-19 llvm-19 binaryen nodejs qt6-base-dev-tools
        ;;
    esac
}

# qt_stamp TARGET RECIPE: what makes the Qt for TARGET, a line for each thing: the version of
# Debian's source named in RECIPE/qt6-base.version, the recipe's files and its patches (those of
# both Qts and TARGET's) by their digests, and the version of each package of the toolchain. The recipe writes it into the
# Qt it has built; a Qt whose stamp is not the same was made from something else. Only what is on
# the machine is read: it says the same with or without a network.
qt_stamp() {
    local target=$1 recipe=$2 files=(build-qt.sh recipe.sh) patch package version
    for patch in "$recipe/patches/common"/*.patch "$recipe/patches/$target"/*.patch; do
        [ -f "$patch" ] && files+=("${patch#"$recipe/"}")
    done
    echo "Tandro's Qt for $target, built by tools/qt/build-qt.sh from:"
    echo "qt6-base source $(<"$recipe/qt6-base.version")"
    (cd "$recipe" && sha256sum "${files[@]}") | awk '{ print $2 " " $1 }'
    for package in $(qt_toolchain "$target"); do
        version=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null) || version="not installed"
        echo "$package $version"
    done
}

# qt_apply_patches SOURCE WHAT PATCH...: applies each PATCH to the source tree SOURCE (WHAT names it),
# each hunk where its context says, or not at all: a hunk that a newer source has moved by some
# lines still applies, one whose context has changed stops, named with the patch and the line it
# was to go at. Returns 1 then.
qt_apply_patches() {
    local source=$1 what=$2 patch said
    shift 2
    for patch in "$@"; do
        [ -f "$patch" ] || continue
        echo "Applying ${patch##*/}"
        if ! said=$(patch --directory="$source" --strip=1 --fuzz=0 --forward --batch \
            --reject-file=- --no-backup-if-mismatch <"$patch" 2>&1); then
            echo "${patch##*/} does not apply to $what as it is:" >&2
            grep -v '^patching file' <<<"$said" | sed 's/^/    /' >&2
            return 1
        fi
    done
}

# qt_lock PREFIX TARGET: holds, until the shell that calls it ends, the lock of the Qt for TARGET
# kept in PREFIX, waiting and saying so while another build of it holds it. One build of a Qt at a
# time: a second waits for the first, and then finds its Qt current. The lock goes with the
# process that holds it, however that ends: a build that was killed leaves none behind.
qt_lock() {
    local prefix=$1 target=$2
    mkdir -p "$(dirname "$prefix")"
    exec {qt_lock_fd}>"$prefix.lock"
    if ! flock --nonblock "$qt_lock_fd"; then
        echo "Another build of the Qt for $target into $prefix is under way: waiting for it to end."
        flock "$qt_lock_fd"
    fi
}
