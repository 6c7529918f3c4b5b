#!/bin/bash
# Runs one test under an Xvfb of its own. The server chooses a free display
# itself (-displayfd), and servers start one at a time: two servers probing
# the same display number at once can break the one that got it, which is
# what makes xvfb-run -a fail now and then when tests run side by side.
set -u
displayFile="$(mktemp)"
exec 4>"${TMPDIR:-/tmp}/velmora-xvfb-start.lock"
flock 4
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$displayFile" 4>&- >/dev/null 2>&1 &
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
flock -u 4
exec 4>&-
if [ -z "$display" ]; then
    echo "xvfb-test: Xvfb did not start" >&2
    kill "$server" 2>/dev/null
    exit 1
fi
DISPLAY=":$display" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
