#!/usr/bin/env bash
# Plays Tandro by keyboard under the Orca screen reader and checks what Orca says: the result of a
# game of 'Ram' and 'Sita', the whole name when Shift+Tab goes back to a name box, and the title and
# version when About opens.
#
#   orca_reads_tandro.sh TANDRO
#
# Runs in a private X server with its own D-Bus session and accessibility bus (session.sh). No speech
# server or sound card is needed: Orca, told to use no speech server, still logs each utterance.
set -uo pipefail

if [ "${1:-}" != --inside ]; then
    tandro=$(realpath "${1:?usage: $0 TANDRO}")
    if ! command -v orca >/dev/null; then
        echo "TEST SKIPPED: orca is not installed"
        exit 0
    fi
    exec "$(dirname "$0")/session.sh" "$0" --inside "$tandro"
fi

tandro=$2
work=$(mktemp -d)
log=$work/orca.log
pids=()
finish() { # Orca takes a moment to end; the next run cannot start it until it has
    kill "${pids[@]}" 2>/dev/null
    for _ in $(seq 25); do
        kill -0 "${pids[@]}" 2>/dev/null || break
        sleep 0.2
    done
    kill -9 "${pids[@]}" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Fresh settings: no speech server, no sound, no braille, and a log written line by line.
mkdir "$work/settings"
cat >"$work/settings/orca-customizations.py" <<'EOF'
import orca.debug, orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
orca.settings.enableSound = False
orca.settings.enableBraille = False
orca.debug.debugFile.reconfigure(line_buffering=True)
EOF
# Orca runs once per user. Give one that is ending some time; leave alone one that goes on.
for _ in $(seq 150); do
    pgrep -u "$(id -u)" -x orca >/dev/null || break
    sleep 0.2
done
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "TEST SKIPPED: Orca is already running for this user"
    exit 0
fi
orca --debug-file="$log" -u "$work/settings" >"$work/orca.out" 2>&1 &
pids+=($!)
disown

said() { # everything Orca said so far, one utterance a line
    sed -nE "s/^[0-9:.]+ - SPEECH OUTPUT: '(.*)'( voice=[a-z]+)? *(\[?\{.*\}\]?|None)?$/\1/p" \
        "$log" 2>/dev/null | sed -E 's/ +$//'
}
# A busy machine slows Orca down, not what it says: each wait is for something Orca says, or for it
# to fall silent, with room to spare.
until_said() { # until_said SECONDS TEXT [FROM]: waits until an utterance after line FROM holds TEXT
    for _ in $(seq $(($1 * 5))); do
        said | tail -n +$((${3:-0} + 1)) | grep -q -F -- "$2" && return 0
        sleep 0.2
    done
    return 1
}
quiet() { # waits until Orca has said nothing new for two seconds, at most 30 s
    local before=-1 now
    for _ in $(seq 30); do
        now=$(said | wc -l)
        [ "$now" = "$before" ] && return
        before=$now
        sleep 2
    done
}
if ! until_said 60 'Screen reader on'; then
    echo "Orca did not start:"
    cat "$work/orca.out"
    exit 1
fi

"$tandro" >"$work/tandro.out" 2>&1 &
pids+=($!)
disown
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tandro$' | head -1)
if [ -z "$window" ]; then
    echo "Tandro's window did not open:"
    cat "$work/tandro.out"
    exit 1
fi
xdotool windowfocus --sync "$window"
until_said 60 'Your Name'
quiet
said >"$work/start"

# Each step's utterances go into a file of its own.
step() { # step NAME TEXT KEYS...: presses the keys, waits until Orca has said TEXT and then falls
    local name=$1 text=$2 before # silent, and keeps what it said meanwhile as NAME
    shift 2
    before=$(said | wc -l)
    "$@"
    until_said 60 "$text" "$before" || echo "(Orca did not say '$text' within a minute)"
    quiet
    said | tail -n +$((before + 1)) >"$work/$name"
}
play() {
    xdotool type --delay 100 Ram
    xdotool key Tab
    until_said 60 'Your Partners Name'
    xdotool type --delay 100 Sita
    xdotool key Return
}
step game 'The result is Hates.' play
step back 'Ram selected.' xdotool key shift+Tab
step about 'About Tandro dialog' xdotool key alt+b
xdotool key Escape

failed=0
expect() { # expect STEP COUNT PATTERN: during STEP, Orca said what PATTERN matches COUNT times
    local count
    count=$(grep -c -E -x -- "$3" "$work/$1")
    if [ "$count" -ne "$2" ]; then
        echo "FAIL: during '$1', Orca said '$3' $count times, not $2"
        failed=1
    fi
}
# The result, once, as a notification: Orca 43 says the role in the same breath, Orca 48 apart.
expect game 1 '(notification )?The result is Hates\.'
expect game 1 'notification( The result is Hates\.)?'
expect back 1 'Ram selected\.'
if ! grep -q -F 'About Tandro dialog Tandro Version 2.1 Enjoy this interesting Game' "$work/about"
then
    echo "FAIL: opening About, Orca did not read the title and version with the rest"
    failed=1
fi
echo "What Orca said:"
for name in start game back about; do
    echo "== $name"
    sed 's/^/    /' "$work/$name"
done
exit $failed
