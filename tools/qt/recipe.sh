# The choices that build-qt.sh makes, as functions that print what they choose: sourced by the
# recipe, and by its test (tests/tools/check_qt_recipe.sh), which gives them machines of its own.

# qt_source_lists ETC RELEASE: the deb822 stanzas through which apt finds Debian's source packages
# of RELEASE (a code name, such as trixie), made from the machine's apt lines in ETC (/etc/apt):
# one-line sources.list and sources.list.d/*.list, and deb822 sources.list.d/*.sources, enabled
# ones only. Each line of Debian's archive for RELEASE or one of its suites (RELEASE-updates,
# RELEASE-security, ...) with the main component gives one stanza of the same address, suite and
# key (Signed-By), for main's sources. Prints nothing when ETC has no such line.
qt_source_lists() {
    local etc=$1 release=$2 file one_line=() deb822=()
    for file in "$etc/sources.list" "$etc"/sources.list.d/*.list; do
        [ -f "$file" ] && one_line+=("$file")
    done
    for file in "$etc"/sources.list.d/*.sources; do
        [ -f "$file" ] && deb822+=("$file")
    done
    {
        [ ${#one_line[@]} -eq 0 ] || qt_one_line_entries "${one_line[@]}"
        [ ${#deb822[@]} -eq 0 ] || qt_deb822_entries "${deb822[@]}"
    } | awk -F '\t' -v release="$release" '
        # One entry: types, addresses, suites, components, key, each but the key a list of words.
        function words(text, list) { return split(text, list, /[ \t,]+/) }
        function has(text, word, list, n, i) {
            n = words(text, list)
            for (i = 1; i <= n; i++) if (list[i] == word) return 1
            return 0
        }
        has($1, "deb") || has($1, "deb-src") {
            if (!has($4, "main")) next
            nuris = words($2, uris)
            nsuites = words($3, suites)
            for (u = 1; u <= nuris; u++) {
                if (uris[u] == "" || uris[u] ~ /^cdrom:/) continue
                for (s = 1; s <= nsuites; s++) {
                    if (suites[s] != release && index(suites[s], release "-") != 1) continue
                    stanza = "Types: deb-src\nURIs: " uris[u] "\nSuites: " suites[s] \
                        "\nComponents: main\n"
                    if ($5 != "") {
                        key = $5
                        gsub(/\034/, "\n", key)
                        stanza = stanza "Signed-By:" (key ~ /^\n/ ? "" : " ") key "\n"
                    }
                    if (!(stanza in seen)) {
                        seen[stanza] = 1
                        printf "%s%s", (printed++ ? "\n" : ""), stanza
                    }
                }
            }
        }'
}

# qt_one_line_entries FILE...: the entries of one-line apt lists, a line each, their fields apart
# by tabs: types, address, suite, components, key. A key's file is the signed-by option's.
qt_one_line_entries() {
    sed -e 's/#.*//' "$@" | awk '
        {
            options = ""
            if (match($0, /\[[^]]*\]/)) {
                options = substr($0, RSTART + 1, RLENGTH - 2)
                $0 = substr($0, 1, RSTART - 1) " " substr($0, RSTART + RLENGTH)
            }
            if (NF < 4) next
            key = ""
            n = split(options, option, /[ \t]+/)
            for (i = 1; i <= n; i++)
                if (option[i] ~ /^signed-by=/) key = substr(option[i], 11)
            components = $4
            for (i = 5; i <= NF; i++) components = components " " $i
            printf "%s\t%s\t%s\t%s\t%s\n", $1, $2, $3, components, key
        }'
}

# qt_deb822_entries FILE...: the enabled stanzas of deb822 apt lists, as qt_one_line_entries gives
# its entries. A key given whole in the stanza, over several lines, stays whole: its line breaks
# are carried as \034, which qt_source_lists turns back.
qt_deb822_entries() {
    local file
    for file in "$@"; do
        # A stanza ends at a blank line, and the file ends one.
        cat "$file"
        echo
    done | awk '
        function flush() {
            if (("types" in field) && tolower(field["enabled"]) != "no")
                printf "%s\t%s\t%s\t%s\t%s\n", field["types"], field["uris"], field["suites"],
                    field["components"], field["signed-by"]
            delete field
            last = ""
        }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ {
            # A field that goes on over more lines: a key given whole.
            if (last != "") field[last] = field[last] "\034" $0
            next
        }
        {
            colon = index($0, ":")
            if (!colon) next
            last = tolower(substr($0, 1, colon - 1))
            value = substr($0, colon + 1)
            sub(/^[ \t]+/, "", value)
            sub(/[ \t]+$/, "", value)
            field[last] = value
        }'
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
# Debian's source named in RECIPE/qt6-base.version, the recipe's files and TARGET's patches by
# their digests, and the version of each package of the toolchain. The recipe writes it into the
# Qt it has built; a Qt whose stamp is not the same was made from something else. Only what is on
# the machine is read: it says the same with or without a network.
qt_stamp() {
    local target=$1 recipe=$2 files=(build-qt.sh recipe.sh) patch package version
    for patch in "$recipe/patches/$target"/*.patch; do
        [ -f "$patch" ] && files+=("patches/$target/${patch##*/}")
    done
    echo "Tandro's Qt for $target, built by tools/qt/build-qt.sh from:"
    echo "qt6-base source $(<"$recipe/qt6-base.version")"
    (cd "$recipe" && sha256sum "${files[@]}") | awk '{ print $2 " " $1 }'
    for package in $(qt_toolchain "$target"); do
        version=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null) || version="not installed"
        echo "$package $version"
    done
}
