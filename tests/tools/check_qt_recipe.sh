#!/usr/bin/env bash
# The Qt recipe's own choices (tools/qt/recipe.sh), a row each: which of a machine's apt lines it
# reads for Debian's sources, which source version it builds, and what its stamp changes with.
# The machines are folders made here; the recipe itself runs on fresh ones in CI.
#
#   check_qt_recipe.sh SOURCE
set -uo pipefail
. "$1/tools/qt/recipe.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# row NAME EXPECTED ACTUAL: one row's verdict.
row() {
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"
        diff <(echo "$2") <(echo "$3") | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

# machine NAME FILE TEXT [FILE TEXT...]: an /etc/apt of these files, printed as its folder.
machine() {
    local etc=$scratch/$1
    shift
    mkdir -p "$etc/sources.list.d"
    while [ $# -gt 0 ]; do
        printf '%s\n' "$2" >"$etc/$1"
        shift 2
    done
    echo "$etc"
}

# lists ETC: the source lists for trixie that the recipe makes of ETC, and its status, run as the
# recipe runs it: a command that fails ends it.
lists() {
    (
        set -Eeuo pipefail
        shopt -s inherit_errexit
        qt_source_lists "$1" trixie
    )
    echo "(status $?)"
}

# stanza URI SUITE [KEY]: a stanza the recipe gives apt.
stanza() {
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n' "$1" "$2"
    [ -z "${3:-}" ] || printf 'Signed-By: %s\n' "$3"
}

mirror=http://mirror.example/debian
security=http://security.example/debian-security
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
installer="Types: deb
URIs: $mirror
Suites: trixie trixie-updates
Components: main non-free-firmware
Signed-By: $keyring

Types: deb
URIs: $security
Suites: trixie-security
Components: main non-free-firmware
Signed-By: $keyring"

# Which apt lines are read: either layout, or both, whichever files are missing.
row "one-line sources.list, as debootstrap writes it, with no deb822 file" \
    "$(stanza $mirror trixie; echo "(status 0)")" \
    "$(lists "$(machine debootstrap sources.list "deb $mirror trixie main")")"
row "deb822 debian.sources, as the installer writes it, with no sources.list" \
    "$(stanza $mirror trixie $keyring; echo; stanza $mirror trixie-updates $keyring; echo
    stanza $security trixie-security $keyring; echo "(status 0)")" \
    "$(lists "$(machine installer sources.list.d/debian.sources "$installer")")"
row "both layouts, and deb-src lines there already: each address and suite once" \
    "$(stanza $mirror trixie; echo; stanza $mirror trixie-updates; echo "(status 0)")" \
    "$(lists "$(machine both sources.list "deb $mirror trixie main
deb-src $mirror trixie main" sources.list.d/debian.sources "Types: deb deb-src
URIs: $mirror
Suites: trixie trixie-updates
Components: main")")"
row "a one-line key option, among others and in brackets with spaces, is kept" \
    "$(stanza $security trixie-security /k.gpg; echo "(status 0)")" \
    "$(lists "$(machine options sources.list.d/security.list \
        "deb [ arch=amd64 signed-by=/k.gpg ] $security trixie-security main contrib # ok")")"
row "a key given whole in a stanza is kept whole" \
    "$(printf 'Types: deb-src\nURIs: %s\nSuites: trixie\nComponents: main\nSigned-By:\n %s\n .\n %s\n' \
        $mirror "-----BEGIN PGP PUBLIC KEY BLOCK-----" "-----END PGP PUBLIC KEY BLOCK-----"
    echo "(status 0)")" \
    "$(lists "$(machine inline sources.list.d/debian.sources "Types: deb
URIs: $mirror
Suites: trixie
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 -----END PGP PUBLIC KEY BLOCK-----")")"
row "other releases, other components, disabled stanzas, comments and a CD are left out" \
    "$(stanza $mirror trixie-backports; echo "(status 0)")" \
    "$(lists "$(machine others sources.list "# deb $mirror trixie main
deb $mirror bookworm main
deb https://packages.example/linux/debian trixie stable
deb cdrom:[Debian GNU/Linux 13]/ trixie main
deb $mirror trixie-backports main" sources.list.d/off.sources "Types: deb
URIs: http://off.example/debian
Suites: trixie
Components: main
Enabled: no")")"
row "a machine with no apt lines at all gives no source lists, and no failure" \
    "(status 0)" "$(lists "$(machine none)")"

# Which source is built: the one named, or the newest of the same Qt that the archive has.
named=6.8.2+dfsg-9+deb13u2
row "the version named, when the archive has it" \
    "$named" "$(qt_version_to_build $named 6.8.2+dfsg-9+deb13u3 $named)"
row "the newest of the same Qt, by Debian's order of versions, when it has not" \
    "6.8.2+dfsg-9+deb13u10" \
    "$(qt_version_to_build $named 6.8.2+dfsg-9+deb13u9 6.8.2+dfsg-9+deb13u10 6.9.1+dfsg-1)"
row "nothing, when the archive has no source of the same Qt" \
    "" "$(qt_version_to_build $named 6.9.1+dfsg-1 6.8.20+dfsg-1)"

# What the stamp changes with: a recipe of its own, and a dpkg-query that answers for a toolchain.
recipe=$scratch/recipe
mkdir -p "$recipe/patches/web" "$scratch/bin"
cp "$1/tools/qt/build-qt.sh" "$1/tools/qt/recipe.sh" "$1/tools/qt/qt6-base.version" "$recipe/"
echo "a patch" >"$recipe/patches/web/one.patch"
printf '#!/bin/sh\necho "${COMPILER_VERSION:-1.0}"\n' >"$scratch/bin/dpkg-query"
chmod +x "$scratch/bin/dpkg-query"
stamp() { PATH=$scratch/bin:$PATH qt_stamp "$1" "$recipe"; }
before_web=$(stamp web) before_windows=$(stamp windows)
# changed TARGET WHAT: whether the stamp of TARGET is other than before.
changed() {
    local before=before_$1
    [ "$(stamp "$1")" != "${!before}" ] && echo "changes it" || echo "leaves it"
}
row "the stamp names the source, the recipe, the target's patches and each toolchain package" \
    "qt6-base build-qt.sh recipe.sh patches/web/one.patch emscripten clang-19 lld-19 llvm-19 binaryen nodejs qt6-base-dev-tools" \
    "$(echo "$before_web" | sed 1d | cut -d' ' -f1 | paste -sd' ')"
row "a stamp made again from the same things is the same" "leaves it" "$(changed web)"
echo "# a comment" >>"$recipe/build-qt.sh"
row "a change to the recipe changes both targets' stamps" \
    "changes it changes it" "$(changed web) $(changed windows)"
before_web=$(stamp web) before_windows=$(stamp windows)
echo "another patch" >"$recipe/patches/web/two.patch"
row "a new patch for the web changes the web's stamp, not Windows'" \
    "changes it leaves it" "$(changed web) $(changed windows)"
before_web=$(stamp web)
echo "6.8.2+dfsg-9+deb13u3" >"$recipe/qt6-base.version"
row "another source named changes the stamp" "changes it" "$(changed web)"
before_web=$(stamp web)
export COMPILER_VERSION=1.1
row "another version of a compiler changes the stamp" "changes it" "$(changed web)"

[ "$failures" -eq 0 ]
