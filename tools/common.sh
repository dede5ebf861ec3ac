# What build.sh and the Qt recipe in tools/qt/ share, sourced first by each.
#
# A command that fails ends the script, and the script says in one sentence which command it was,
# where, and with what status: under set -e alone it would end without a word.
set -Eeuo pipefail
shopt -s inherit_errexit
trap 'tandro_stopped $? "$BASH_COMMAND" "$LINENO" "${BASH_SOURCE[0]}"' ERR

# tandro_stopped STATUS COMMAND LINE FILE: the sentence, said once, by the script itself: a command
# substitution that fails says nothing of its own, and its assignment is named instead.
tandro_stopped() {
    [ "$BASHPID" = "$$" ] || return 0
    echo "${0##*/} stopped: \`$2\` (line $3 of ${4#"$tandro_top/"}) failed with status $1." >&2
}
tandro_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What a command that needs root is run with: nothing as root, sudo otherwise.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# install_missing PACKAGE...: installs from Debian what is not installed yet, as root or with sudo.
# A PACKAGE may be a relation, as Debian's dependencies are written ("fonts-liberation (>= 1:2) |
# fonts-liberation2"): the first of its packages that the archive offers in a version it allows
# is installed, unless an installed one satisfies it.
install_missing() {
    local missing=() package
    for package in "$@"; do
        relation_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update
    local offered=()
    for package in "${missing[@]}"; do
        offered+=("$(relation_offered "$package")")
    done
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${offered[@]}"
}

# relation_installed RELATION: whether an installed package satisfies RELATION.
# relation_offered RELATION: the first of its packages that the archive offers in a version that it
# allows (or the first package named, for apt to say that it is not there).
relation_installed() {
    relation_find "$1" "dpkg-query -W -f=\${Status}|\${Version} %s" 'install ok installed|' >/dev/null
}
relation_offered() {
    relation_find "$1" "apt-cache policy %s" '  Candidate: ' || echo "${1%% *}"
}
# relation_find RELATION COMMAND PREFIX: the first package of RELATION's alternatives ("name" or
# "name (OP VERSION)", apart by "|") for which COMMAND (its %s the name) prints a line of PREFIX and
# the version, in a version the alternative allows. Prints it, or returns 1.
relation_find() {
    local alternative name op version found
    local -a alternatives
    IFS='|' read -ra alternatives <<<"$1"
    for alternative in "${alternatives[@]}"; do
        read -r name op version <<<"${alternative//[()]/ }"
        # shellcheck disable=SC2059 # the command is a format
        found=$($(printf "$2" "$name") 2>/dev/null | sed -n "s/^$3//p" | head -1) || true
        [ -n "$found" ] && [ "$found" != "(none)" ] || continue
        [ -z "$op" ] || dpkg --compare-versions "$found" "$op" "$version" || continue
        echo "$name"
        return 0
    done
    return 1
}

# tandro_debian OS_RELEASE: the release of Debian, 13 or 12, that build.sh takes this machine for,
# by its os-release file (OS_RELEASE): Debian 13 or 12 itself, or a system that builds on Debian's
# packages (ID_LIKE=debian, or a Debian with no number, as testing has) by the Qt its archive
# offers, 6.8 as Debian 13's or 6.4 as Debian 12's, which Tandro is known to build with; that it
# says, in a sentence. Says why on any other system, and returns 1.
tandro_debian() {
    local system id version like name qt
    system=$([ -r "$1" ] && (. "$1" && printf '%s|%s|%s|%s' "${ID:-}" "${VERSION_ID:-}" \
        "${ID_LIKE:-}" "${PRETTY_NAME:-${NAME:-}}")) || true
    IFS='|' read -r id version like name <<<"$system"
    if [ "$id" = debian ] && [[ $version =~ ^(12|13)$ ]]; then
        echo "$version"
        return
    fi
    local found="This is ${name:-a system that does not say what it is} (ID ${id:-unset}," \
        made="VERSION_ID ${version:-unset}), and Tandro's commands are made for Debian 13 (and"
    made+=" ./build.sh run and package for Debian 12)"
    if [ "$id" = debian ] || [[ " $like " == *" debian "* ]]; then
        qt=$(apt-cache policy qt6-base-dev 2>/dev/null | sed -n 's/^ *Candidate: //p')
        case $qt in
        6.8.*) echo "$found $made: its archive offers Qt ${qt%%+*}, as Debian 13's does, so they" \
            "go on as on Debian 13." >&2; echo 13; return ;;
        6.4.*) echo "$found $made: its archive offers Qt ${qt%%+*}, as Debian 12's does, so they" \
            "go on as on Debian 12." >&2; echo 12; return ;;
        esac
        local offered="no Qt 6"
        [ -z "$qt" ] || offered="Qt ${qt%%+*}"
        echo "$found $made, whose Qt is 6.8 or 6.4; its archive offers $offered, with which" \
            "they are not known to work." >&2
        return 1
    fi
    echo "$found $made." >&2
    return 1
}
