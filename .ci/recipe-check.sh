#!/usr/bin/env bash
# On a freshly made Debian 13 (../shared/tools/fresh-debian.sh --suite trixie), takes the Qt recipe
# for Windows or for the web (or both) as far as Qt's configure, without building it, with the
# machine's apt lines laid out as a newcomer's machine has them, and checks that it leaves them as
# it found them:
#
#   .ci/recipe-check.sh one-line TARGET...   as root, with the one-line /etc/apt/sources.list that
#                                            debootstrap writes (and an upgraded machine keeps)
#   .ci/recipe-check.sh deb822 TARGET...     as a user who may sudo, with the deb822 debian.sources
#                                            that the installer and Debian's container images write
#
# TARGET is windows or web. How the recipe reads the apt lines is the same for both targets, so
# CI checks each layout with one target and each target with one layout.
#
# It changes the machine it runs on (its apt lines, a user): run it on a fresh one only.
set -Eeuo pipefail
cd "$(dirname "$0")/.."
layout=${1:-}
targets=("${@:2}")
if [[ ! $layout =~ ^(one-line|deb822)$ ]] || [ ${#targets[@]} -eq 0 ]; then
    echo "usage: $0 one-line|deb822 windows|web..." >&2
    exit 2
fi
as_user=()
if [ "$layout" = deb822 ]; then
    .ci/to-deb822.sh
    DEBIAN_FRONTEND=noninteractive apt-get -qq update
    DEBIAN_FRONTEND=noninteractive apt-get -qq install -y sudo git >/dev/null
    useradd --create-home --groups sudo newcomer
    echo "newcomer ALL=(ALL) NOPASSWD: ALL" >/etc/sudoers.d/newcomer
    git clone -q "$PWD" /home/newcomer/work
    chown -R newcomer: /home/newcomer/work
    as_user=(sudo -u newcomer -H)
fi

apt_files() {
    find /etc/apt -type f -print0 | sort -z | xargs -0 sha256sum
}
before=$(apt_files)
echo "/etc/apt before the recipe:"
echo "$before" | sed 's/^/    /'
work=$PWD
[ ${#as_user[@]} -eq 0 ] || work=/home/newcomer/work
for target in "${targets[@]}"; do
    "${as_user[@]}" env -C "$work" tools/qt/build-qt.sh --check "$target"
done
after=$(apt_files)
if [ "$after" != "$before" ]; then
    echo "FAIL: the recipe changed /etc/apt:"
    diff <(echo "$before") <(echo "$after") || true
    exit 1
fi
echo "/etc/apt after the recipe: the same."
