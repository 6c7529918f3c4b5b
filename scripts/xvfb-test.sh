#!/bin/bash
# Runs one test under an Xvfb of its own. The server chooses a free display
# itself (-displayfd), and servers start one at a time: two servers probing
# the same display number at once can break the one that got it, which is
# what makes xvfb-run -a fail now and then when tests run side by side.
# A server that named its display but takes no client (on a busy machine a
# display just given up by another server can still be going away) is
# replaced by a fresh one before the test starts.
set -u
exec 4>"${TMPDIR:-/tmp}/velmora-xvfb-start.lock"
flock 4

server=""
display=""

startServer() {
    local displayFile
    displayFile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$displayFile" 4>&- >/dev/null 2>&1 &
    server=$!
    display=""
    for _ in $(seq 200); do
        # The number is whole once its line ends.
        if grep -q '^[0-9]\+$' "$displayFile" && [ "$(tail -c 1 "$displayFile" | od -An -c | tr -d ' ')" = '\n' ]; then
            display="$(tr -dc '0-9' <"$displayFile")"
            break
        fi
        if ! kill -0 "$server" 2>/dev/null; then
            break
        fi
        sleep 0.05
    done
    rm -f "$displayFile"
}

# True once a client can open the display (assumed where xdpyinfo is missing).
serverAnswers() {
    command -v xdpyinfo >/dev/null 2>&1 || return 0
    for _ in $(seq 100); do
        DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$server" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

stopServer() {
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
}

for _ in 1 2 3; do
    startServer
    if [ -n "$display" ] && serverAnswers; then
        break
    fi
    stopServer
    display=""
done
flock -u 4
exec 4>&-
if [ -z "$display" ]; then
    echo "xvfb-test: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=":$display" "$@"
status=$?
stopServer
exit $status
