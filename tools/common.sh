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

# install_missing PACKAGE...: installs from Debian what is not installed yet, as root or with sudo.
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
