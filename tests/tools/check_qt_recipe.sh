#!/usr/bin/env bash
# The Qt recipe's own choices (tools/qt/recipe.sh), a row each: which of a machine's apt lines it
# reads for Debian's sources, which source version it builds, how it applies its patches, that one
# build of a Qt runs at a time, and what its stamp changes with; and which Debian build.sh takes a
# machine for (tools/common.sh). The machines are folders made here; the recipe itself runs on
# fresh ones in CI.
#
#   check_qt_recipe.sh SOURCE
set -uo pipefail
. "$1/tools/qt/recipe.sh"
. <(sed -n '/^tandro_debian()/,/^}/p' "$1/tools/common.sh")
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
row "each key is its own entry's, after comments and other entries in either layout" \
    "$(stanza $mirror trixie; echo; stanza $security trixie-security /one.gpg; echo
    stanza $mirror trixie-updates /two.gpg; echo "(status 0)")" \
    "$(lists "$(machine keys sources.list "# the archive
deb $mirror trixie main

# its security updates
deb [signed-by=/one.gpg] $security trixie-security main" sources.list.d/more.sources "# updates

Types: deb
URIs: $mirror
Suites: trixie
Components: main

Types: deb
URIs: $mirror
Suites: trixie-updates
Components: main
Signed-By: /two.gpg")")"
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

# How the patches are applied: each hunk where its context says, or the build stops and says where.
tree=$scratch/tree
mkdir -p "$tree/a" "$tree/b"
seq 1 30 >"$tree/a/file.txt"
sed 's/^15$/fifteen/' "$tree/a/file.txt" >"$tree/b/file.txt"
(cd "$tree" && diff -u a/file.txt b/file.txt >change.patch) || true
# applied SOURCE: the patch applied to a copy of SOURCE: what it said, its status, and the line it
# changed.
applied() {
    rm -rf "$tree/work"
    mkdir "$tree/work"
    printf '%s\n' "$1" >"$tree/work/file.txt"
    qt_apply_patches "$tree/work" "the test's source" "$tree/change.patch" 2>&1
    echo "(status $?) $(grep -n fifteen "$tree/work/file.txt")"
}
row "a hunk whose lines the source has moved applies where they are now" \
    "Applying change.patch
(status 0) 19:fifteen" "$(applied "$(seq -3 0; seq 1 30)")"
row "a hunk whose context the source has changed stops, named with its patch and place" \
    "Applying change.patch
change.patch does not apply to the test's source as it is:
    Hunk #1 FAILED at 12.
    1 out of 1 hunk FAILED
(status 1) " "$(applied "$(seq 1 30 | sed 's/^13$/thirteen/')")"

# One build of a Qt at a time: a second one waits for the first and says so; a killed one leaves
# no lock behind.
prefix=$scratch/qt/qt-for-web
locked() { # locked: how a build that wants the lock fares within two seconds
    (timeout 2 bash -c '. "$1"; qt_lock "$2" web; echo "took the lock"' locker \
        "$SOURCE/tools/qt/recipe.sh" "$prefix"; echo "(status $?)") 2>&1
}
SOURCE=$1
(. "$1/tools/qt/recipe.sh"; qt_lock "$prefix" web; sleep 30) &
holder=$!
for _ in $(seq 100); do # (at most ten seconds: a holder that never takes it fails the rows)
    [ -e "$prefix.lock" ] && ! flock --nonblock "$prefix.lock" true && break
    sleep 0.1
done
row "a second build waits while the first holds the lock, and says so" \
    "Another build of the Qt for web into $prefix is under way: waiting for it to end.
(status 124)" "$(locked)"
kill -9 $holder
wait $holder 2>/dev/null
row "the lock of a killed build holds nothing back" "took the lock
(status 0)" "$(locked)"

# Which Debian build.sh takes a machine for, by its os-release and the Qt its archive offers.
mkdir -p "$scratch/apt-bin"
printf '#!/bin/sh\n[ -z "$QT_OFFERED" ] || printf "qt6-base-dev:\\n  Candidate: %%s\\n" "$QT_OFFERED"\n' \
    >"$scratch/apt-bin/apt-cache"
chmod +x "$scratch/apt-bin/apt-cache"
# taken_for OS-RELEASE [QT]: what build.sh takes a machine of that os-release (none if empty) for,
# whose archive offers QT: the release, or the status, and what it says, on one line.
taken_for() {
    rm -f "$scratch/os-release"
    [ -z "$1" ] || printf '%s\n' "$1" >"$scratch/os-release"
    local said
    said=$(QT_OFFERED=${2:-} PATH=$scratch/apt-bin:$PATH tandro_debian "$scratch/os-release" 2>&1)
    echo "$? ${said//$'\n'/ }"
}
made="and Tandro's commands are made for Debian 13 (and ./build.sh run and package for Debian 12)"
row "Debian 13 and 12 are themselves" "0 13 0 12" \
    "$(taken_for 'ID=debian
VERSION_ID="13"') $(taken_for 'ID=debian
VERSION_ID="12"')"
row "a derivative whose Qt is Debian 12's goes on as Debian 12, and says so" \
    "0 This is Ubuntu 24.04.1 LTS (ID ubuntu, VERSION_ID 24.04), $made: its archive offers Qt 6.4.2, as Debian 12's does, so they go on as on Debian 12. 12" \
    "$(taken_for 'PRETTY_NAME="Ubuntu 24.04.1 LTS"
ID=ubuntu
ID_LIKE=debian
VERSION_ID="24.04"' 6.4.2+dfsg-21.1build1)"
row "Debian testing, with no number, by its Qt" \
    "0 This is Debian GNU/Linux forky/sid (ID debian, VERSION_ID unset), $made: its archive offers Qt 6.8.3, as Debian 13's does, so they go on as on Debian 13. 13" \
    "$(taken_for 'PRETTY_NAME="Debian GNU/Linux forky/sid"
ID=debian' 6.8.3+dfsg-1)"
row "a derivative with another Qt, or with none, stops" \
    "1 This is Mint (ID linuxmint, VERSION_ID 22), $made, whose Qt is 6.8 or 6.4; its archive offers Qt 6.2.4, with which they are not known to work.|1 This is Mint (ID linuxmint, VERSION_ID 22), $made, whose Qt is 6.8 or 6.4; its archive offers no Qt 6, with which they are not known to work." \
    "$(taken_for 'NAME=Mint
ID=linuxmint
ID_LIKE="ubuntu debian"
VERSION_ID=22' 6.2.4+dfsg-2ubuntu1)|$(taken_for 'NAME=Mint
ID=linuxmint
ID_LIKE="ubuntu debian"
VERSION_ID=22')"
row "another system, or none said, stops" \
    "1 This is Fedora Linux 41 (ID fedora, VERSION_ID 41), $made.|1 This is a system that does not say what it is (ID unset, VERSION_ID unset), $made." \
    "$(taken_for 'PRETTY_NAME="Fedora Linux 41"
ID=fedora
VERSION_ID=41')|$(taken_for '')"

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
before_web=$(stamp web) before_windows=$(stamp windows)
mkdir "$recipe/patches/common"
echo "a patch for both" >"$recipe/patches/common/three.patch"
row "a new patch for both Qts changes both stamps" \
    "changes it changes it" "$(changed web) $(changed windows)"
before_web=$(stamp web)
echo "6.8.2+dfsg-9+deb13u3" >"$recipe/qt6-base.version"
row "another source named changes the stamp" "changes it" "$(changed web)"
before_web=$(stamp web)
export COMPILER_VERSION=1.1
row "another version of a compiler changes the stamp" "changes it" "$(changed web)"

[ "$failures" -eq 0 ]
