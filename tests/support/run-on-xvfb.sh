#!/usr/bin/env bash
# Runs a command on an X server of its own, started here and stopped afterwards, so that a test
# that needs a display runs under plain ctest with none running beforehand.
set -uo pipefail

fifo=$(mktemp -u)
mkfifo "$fifo"

# Xvfb picks a free display number itself and writes it to descriptor 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fifo"' EXIT

if ! read -r -t 20 number <"$fifo"; then
    echo "Xvfb did not start" >&2
    exit 1
fi

export DISPLAY=":$number"

# A desktop's window manager registers these names. JUCE only looks them up, and on a bare
# server it would set and read its windows' properties under atom 0, which the server refuses
# (BadAtom). The server keeps them because it runs with -noreset.
for atom in WM_PROTOCOLS WM_TAKE_FOCUS WM_DELETE_WINDOW WM_CHANGE_STATE WM_STATE _NET_WM_PING \
            _NET_WM_STATE _NET_WM_STATE_HIDDEN _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_NORMAL \
            _NET_WM_WINDOW_TYPE_COMBO _NET_FRAME_EXTENTS; do
    xprop -root -f "$atom" 8s -set "$atom" interned
done

"$@"
