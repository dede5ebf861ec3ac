#!/usr/bin/env bash
# On a freshly made Debian 13, whose apt lines debootstrap wrote one-line in /etc/apt/sources.list,
# writes the same lines as deb822 in /etc/apt/sources.list.d/debian.sources, as Debian's installer
# and container images have them, and removes sources.list; then runs COMMAND, if given.
#
#   .ci/to-deb822.sh [COMMAND [ARGUMENT...]]
set -Eeuo pipefail
mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
printf '%s\n' "Types: deb" "URIs: $mirror" "Suites: $release" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
    >/etc/apt/sources.list.d/debian.sources
rm /etc/apt/sources.list
[ $# -eq 0 ] || exec "$@"
