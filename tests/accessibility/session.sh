#!/usr/bin/env bash
# Runs COMMAND in a private X server with a D-Bus session of its own and an accessibility bus, as
# a desktop with a screen reader has them, for the tests that talk to Tandro as a screen reader
# does; and ends what it started when COMMAND ends. Says "TEST SKIPPED" where a tool is missing.
#
#   session.sh COMMAND [ARGUMENT...]
set -uo pipefail

if [ "${1:-}" != --inside ]; then
    for tool in xvfb-run xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
        if ! command -v "$tool" >/dev/null; then
            echo "TEST SKIPPED: $tool is not installed"
            exit 0
        fi
    done
    # On a free display, once it takes connections, as the other tests' X servers. Not reset when
    # its last client leaves, as a server is by default: the accessibility bus's launcher leaves it
    # at once, and a program starting while it resets could not reach it. (The session bus cannot
    # raise its file limit in a container and says so: not our concern.)
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset" dbus-run-session -- "$0" --inside "$@" \
        2> >(grep -v 'Failed to set fd limit' >&2)
    exit
fi
shift

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory
chmod 700 "$runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# (Disowned, so that the shell says nothing when it is ended.)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
disown
"$@"
status=$?
kill "$bus" 2>/dev/null
rm -rf "$runtime"
exit $status
