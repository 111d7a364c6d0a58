#!/usr/bin/env bash
# Times the desktop program's start with a large reminder file: from the
# start of the process until its main window is shown on a real desktop
# (Xvfb, openbox, trayer, a private D-Bus session), then its resident
# memory one second after that and once it has settled (eight seconds:
# the program packs what it keeps of the file when it has been quiet for
# five).
#
#   bench/desktop-start.sh [BUILD_DIR] [COUNTS] [RUNS]
#
# COUNTS is a comma-separated list (default 10000,100000). Each count gets
# one start that is not counted (it fills the picture cache), then RUNS
# starts; the best and the median of each figure are printed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../tests/e2e/lib/common.sh"
# The script runs again in a session of its own, given only the build.
export KM_BENCH_COUNTS="${KM_BENCH_COUNTS:-${2:-10000,100000}}" KM_BENCH_RUNS="${KM_BENCH_RUNS:-${3:-5}}"
e2e_begin desktop-start "${1:-build}"
counts="$KM_BENCH_COUNTS"
runs="$KM_BENCH_RUNS"
for tool in xdotool python3; do
    command -v "$tool" >/dev/null || { echo "desktop-start: missing $tool" >&2; exit 2; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
km_start_desktop
e2e_home "$tmp/home"
window='^Kestrelmark Personal Reminder Software$'

# Milliseconds from start to the shown window, and the resident memory in
# kB one and eight seconds later, as "MS KB KB".
one_start() {
    local start now pid shown="" early rss
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
    sleep 1
    early=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    sleep 7
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    stop "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$shown $early $rss"
}

summary() { # values...
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {printf "best %s, median %s", v[1], v[int((NR + 1) / 2)]}'
}

printf '%-10s %-26s %-26s %s\n' reminders "window shown (ms)" "memory after 1 s (MB)" "settled (MB)"
for count in ${counts//,/ }; do
    python3 "$here/make-reminders.py" "$count" "$file"
    one_start >/dev/null # fills the picture cache
    ms=() early=() settled=()
    for _ in $(seq "$runs"); do
        read -r t kb1 kb8 < <(one_start)
        ms+=("$t")
        early+=("$((kb1 / 1024))")
        settled+=("$((kb8 / 1024))")
    done
    printf '%-10s %-26s %-26s %s\n' "$count" "$(summary "${ms[@]}")" "$(summary "${early[@]}")" \
        "$(summary "${settled[@]}")"
done
