#!/usr/bin/env bash
# Times the first sync of COUNT reminders to a calendar of a local Radicale
# (every one an upload), and a second sync that has nothing to do.
#
#   bench/sync-upload.sh [BUILD_DIR] [COUNT]
#
# Installs nothing: it says what is missing and stops.
set -euo pipefail

build=${1:-build}
count=${2:-1000}
cli="$build/cli/kestrelmark-cli"
here=$(cd "$(dirname "$0")" && pwd)
missing=()
[ -x "$cli" ] || missing+=("$cli (build the project first: cmake --build $build --target kestrelmark-cli)")
for tool in radicale htpasswd curl python3; do
    command -v $tool >/dev/null || missing+=("$tool (Debian packages: radicale apache2-utils curl python3)")
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
km_start_radicale "$work" bench 'bench pass' warning || { echo "sync-upload: radicale did not start" >&2; exit 1; }
port=$radicale_port server=$radicale_pid
printf 'bench pass\n' >"$work/password"

python3 "$here/make-reminders.py" "$count" "$work/Kestrelmark.km2"
sync() {
    "$cli" sync "$work/Kestrelmark.km2" --url "http://127.0.0.1:$port/" --user bench \
        --password-file "$work/password" >"$work/out.json"
}
start=$(date +%s.%N)
sync
first=$(date +%s.%N)
sync
second=$(date +%s.%N)
sent=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["reminders"])' "$work/out.json")
files=$(find "$work/storage" -name '*.ics' -not -path '*.Radicale.cache*' | wc -l)
printf 'sync-upload: %d reminders, %d events on the server\n' "$sent" "$files"
printf 'sync-upload: first sync (all uploads) %.1f s, second sync %.1f s\n' \
    "$(echo "$first - $start" | bc)" "$(echo "$second - $first" | bc)"
[ "$files" -eq "$count" ] || { echo "sync-upload: not every reminder reached the server" >&2; exit 1; }
