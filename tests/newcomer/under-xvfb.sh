#!/bin/sh
# Runs a command on an X server of its own and stops the server afterwards.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$displayfile"' EXIT
tries=0
while [ ! -s "$displayfile" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n 1 "$displayfile") QT_QPA_PLATFORM=xcb "$@"
