#!/usr/bin/env bash
# Times the desktop program's start with a large reminder file: from the
# start of the process until its main window is shown on a real desktop
# (Xvfb, openbox, trayer, a private D-Bus session), then its resident
# memory once it has settled.
#
#   bench/desktop-start.sh [BUILD_DIR] [COUNTS] [RUNS]
#
# COUNTS is a comma-separated list (default 10000,100000). Each count gets
# one start that is not counted (it fills the picture cache), then RUNS
# starts; the best and the median of each figure are printed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../tests/e2e/lib/common.sh"
e2e_begin desktop-start "${1:-build}"
counts="${2:-10000,100000}"
runs="${3:-5}"
for tool in xdotool python3; do
    command -v "$tool" >/dev/null || { echo "desktop-start: missing $tool" >&2; exit 2; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
km_start_desktop
e2e_home "$tmp/home"
window='^Kestrelmark Personal Reminder Software$'

# Milliseconds from start to the shown window, and the resident memory in
# kB three seconds later, as "MS KB".
one_start() {
    local start now pid shown="" rss
    start=$(date +%s%N)
    "$app" >"$tmp/log" 2>&1 &
    pid=$!
    for _ in $(seq 1 2000); do
        if xdotool search --onlyvisible --pid "$pid" --name "$window" >/dev/null 2>&1; then
            now=$(date +%s%N)
            shown=$(((now - start) / 1000000))
            break
        fi
    done
    [ -n "$shown" ] || { echo "desktop-start: the window never showed" >&2; cat "$tmp/log" >&2; exit 1; }
    sleep 3
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    stop "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$shown $rss"
}

summary() { # values...
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {printf "best %s, median %s", v[1], v[int((NR + 1) / 2)]}'
}

printf '%-10s %-32s %s\n' reminders "window shown (ms)" "resident memory (MB)"
for count in ${counts//,/ }; do
    python3 "$here/make-reminders.py" "$count" "$file"
    one_start >/dev/null # fills the picture cache
    ms=() mb=()
    for _ in $(seq "$runs"); do
        read -r t kb < <(one_start)
        ms+=("$t")
        mb+=("$((kb / 1024))")
    done
    printf '%-10s %-32s %s\n' "$count" "$(summary "${ms[@]}")" "$(summary "${mb[@]}")"
done
