#!/bin/bash
# Runs one test under an Xvfb of its own. The server chooses a free display
# itself (-displayfd), and servers start one at a time: two servers probing
# the same display number at once can break the one that got it, which is
# what makes xvfb-run -a fail now and then when tests run side by side. The
# test starts only once the server takes connections; a server that dies
# before that is started again.
set -u

# Whether the server behind display $1 accepts a connection.
accepts() {
    python3 - "/tmp/.X11-unix/X$1" <<'PY' 2>/dev/null
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(2)
s.connect(sys.argv[1])
PY
}

exec 4>"${TMPDIR:-/tmp}/velmora-xvfb-start.lock"
flock 4
server=""
display=""
for attempt in 1 2 3; do
    displayFile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$displayFile" 4>&- >/dev/null 2>&1 &
    server=$!
    display=""
    for _ in $(seq 400); do
        if ! kill -0 "$server" 2>/dev/null; then
            break
        fi
        # The number is whole once its line ends.
        if [ -z "$display" ] && grep -q '^[0-9]\+$' "$displayFile" \
            && [ "$(tail -c 1 "$displayFile" | od -An -c | tr -d ' ')" = '\n' ]; then
            display="$(tr -dc '0-9' <"$displayFile")"
        fi
        if [ -n "$display" ] && accepts "$display"; then
            break
        fi
        sleep 0.05
    done
    rm -f "$displayFile"
    if [ -n "$display" ] && kill -0 "$server" 2>/dev/null && accepts "$display"; then
        break
    fi
    echo "xvfb-test: Xvfb did not come up (attempt $attempt)" >&2
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    server=""
    display=""
done
flock -u 4
exec 4>&-
if [ -z "$display" ]; then
    exit 1
fi
DISPLAY=":$display" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
