#!/usr/bin/env bash
# Runs COMMAND in a private X server with a D-Bus session of its own and an accessibility bus, as
# a desktop with a screen reader has them, for the tests that talk to Tandro as a screen reader
# does; and ends what it started when COMMAND ends. Says "TEST SKIPPED" where a tool is missing.
#
#   session.sh COMMAND [ARGUMENT...]
set -uo pipefail

if [ "${1:-}" != --inside ]; then
    for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
        if ! command -v "$tool" >/dev/null; then
            echo "TEST SKIPPED: $tool is not installed"
            exit 0
        fi
    done
    display=
    for number in $(seq 70 130); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || { display=$number; break; }
    done
    # Not reset when its last client leaves, as a server does by default: the accessibility bus's
    # launcher leaves it at once, and a program starting while it resets could not reach it.
    Xvfb ":$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    # Up once a client gets an answer: its socket stands a moment before it takes a connection.
    for _ in $(seq 300); do
        DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
        echo "FAIL: the X server :$display did not start"
        kill "$xvfb" 2>/dev/null
        exit 1
    fi
    # (The session bus cannot raise its file limit in a container and says so: not our concern.)
    DISPLAY=":$display" dbus-run-session -- "$0" --inside "$@" \
        2> >(grep -v 'Failed to set fd limit' >&2)
    status=$?
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    exit $status
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
