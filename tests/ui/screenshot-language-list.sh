#!/usr/bin/env bash
# Takes a screenshot of the language list's open drop-down on an X server of its own.
# Usage: screenshot-language-list.sh <language-list-demo> <output.png>
set -euo pipefail
demo=$1
output=$2
here=$(dirname "$0")

"$here/../support/run-on-xvfb.sh" bash -c '
    "$1" 4 &
    demo=$!
    sleep 2
    import -window root -crop 500x400+0+0 "$2"
    wait "$demo"
' screenshot "$demo" "$output"
