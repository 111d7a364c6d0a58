#!/usr/bin/env bash
# Times the first sync of COUNT reminders to an empty calendar (every one an
# upload) and a second sync that has nothing to do, against a local Radicale
# and a local xandikos, and says how much of the time was the server's own
# processor time.
#
#   bench/sync-upload.sh [BUILD_DIR] [COUNT] [SERVERS]
#
# SERVERS is a comma-separated list of radicale and xandikos (default both).
# Installs nothing: it says what is missing and stops.
set -euo pipefail

build=${1:-build}
count=${2:-1000}
servers=${3:-radicale,xandikos}
cli="$build/cli/kestrelmark-cli"
here=$(cd "$(dirname "$0")" && pwd)
missing=()
[ -x "$cli" ] || missing+=("$cli (build the project first: cmake --build $build --target kestrelmark-cli)")
for tool in htpasswd curl python3 bc ${servers//,/ }; do
    command -v "$tool" >/dev/null || missing+=("$tool (Debian packages: radicale xandikos apache2-utils curl python3 bc)")
done
if [ ${#missing[@]} -gt 0 ]; then
    printf 'sync-upload: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
server=
cleanup() { [ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

source "$here/../tests/e2e/lib/common.sh"
printf 'bench pass\n' >"$work/password"
python3 "$here/make-reminders.py" "$count" "$work/reminders.km2"

cpu_seconds() { awk '{ printf "%.2f", ($14 + $15) / 100 }' "/proc/$1/stat"; }
now() { date +%s.%N; }

start_radicale() {
    km_start_radicale "$work/$1" bench 'bench pass' warning || { echo "sync-upload: radicale did not start" >&2; exit 1; }
    port=$radicale_port server=$radicale_pid
}
start_xandikos() {
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    xandikos --defaults -d "$work/$1/storage" -l 127.0.0.1 -p "$port" >"$work/$1/xandikos.log" 2>&1 &
    server=$!
    for _ in $(seq 1 100); do curl -s -o /dev/null "http://127.0.0.1:$port/" && return 0; sleep 0.1; done
    echo "sync-upload: xandikos did not start" >&2
    exit 1
}

for name in ${servers//,/ }; do
    mkdir -p "$work/$name"
    cp "$work/reminders.km2" "$work/$name/Kestrelmark.km2"
    "start_$name" "$name"
    sync() {
        "$cli" sync "$work/$name/Kestrelmark.km2" --url "http://127.0.0.1:$port/" --user bench \
            --password-file "$work/password" >"$work/$name/out.json"
    }
    cpu0=$(cpu_seconds "$server") t0=$(now)
    sync
    t1=$(now) cpu1=$(cpu_seconds "$server")
    sync
    t2=$(now)
    sent=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["reminders"])' "$work/$name/out.json")
    files=$(find "$work/$name/storage" -name '*.ics' -not -path '*.Radicale.cache*' | wc -l)
    printf 'sync-upload: %s: %d reminders, %d events on the server\n' "$name" "$sent" "$files"
    printf 'sync-upload: %s: first sync (all uploads) %.1f s, of which server processor %.1f s; second sync %.1f s\n' \
        "$name" "$(echo "$t1 - $t0" | bc)" "$(echo "$cpu1 - $cpu0" | bc)" "$(echo "$t2 - $t1" | bc)"
    kill "$server"; wait "$server" 2>/dev/null || true; server=
    [ "$files" -eq "$count" ] || { echo "sync-upload: not every reminder reached $name" >&2; exit 1; }
done
printf 'sync-upload: load %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
