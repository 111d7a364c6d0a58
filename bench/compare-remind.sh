#!/usr/bin/env bash
# Times `kestrelmark-cli occurrences` against `remind -s1` over the same
# 100 000 mixed reminders (one-time, annual, monthly, weekly; notices of 0
# to 7 days; days 1 to 28) for one month, in the same run, and checks that
# both list the same number of occurrences.
#
#   bench/compare-remind.sh [BUILD_DIR] [COUNT] [RUNS]
#
# Installs nothing: it says what is missing and stops.
set -euo pipefail

build=${1:-build}
count=${2:-100000}
runs=${3:-5}
month_from=2027-03-01
month_to=2027-03-31

cli="$build/cli/kestrelmark-cli"
missing=()
[ -x "$cli" ] || missing+=("$cli (build the project first: cmake --build $build --target kestrelmark-cli)")
command -v remind >/dev/null || missing+=("remind (Debian package: remind)")
command -v python3 >/dev/null || missing+=("python3 (Debian package: python3)")
if [ ${#missing[@]} -gt 0 ]; then
    printf 'compare-remind: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same reminders in both forms, from one seeded generator.
python3 "$(dirname "$0")/make-reminders.py" "$count" "$work/reminders.km2" "$work/reminders.rem"

# Best of the runs, as CPU seconds (user + system) and wall seconds, to the
# millisecond: the resource usage the kernel reports for each child.
measure() {
    local out=$1; shift
    python3 - "$runs" "$out" "$@" <<'PY'
import os, sys, time
runs, out, cmd = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
best_cpu = best_wall = None
for _ in range(runs):
    with open(out, "wb") as sink, open(os.devnull, "wb") as null:
        start = time.monotonic()
        pid = os.posix_spawnp(cmd[0], cmd, os.environ, file_actions=[
            (os.POSIX_SPAWN_DUP2, sink.fileno(), 1), (os.POSIX_SPAWN_DUP2, null.fileno(), 2)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("compare-remind: %s failed" % cmd[0])
    cpu = usage.ru_utime + usage.ru_stime
    best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    best_wall = wall if best_wall is None else min(best_wall, wall)
print("%.3f %.3f" % (best_cpu, best_wall))
PY
}

command -v bc >/dev/null || { echo "compare-remind: missing bc (Debian package: bc)" >&2; exit 2; }

read -r km_cpu km_wall < <(measure "$work/km.json" "$cli" occurrences "$work/reminders.km2" --from "$month_from" --to "$month_to")
read -r rem_cpu rem_wall < <(measure "$work/remind.txt" remind -s1 "$work/reminders.rem" 1 Mar 2027)

km_count=$(python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["occurrences"]))' "$work/km.json")
rem_count=$(grep -c . "$work/remind.txt" || true)

printf '%-24s %10s %10s %12s\n' "" "CPU s" "wall s" "occurrences"
printf '%-24s %10s %10s %12s\n' "kestrelmark-cli" "$km_cpu" "$km_wall" "$km_count"
printf '%-24s %10s %10s %12s\n' "remind -s1" "$rem_cpu" "$rem_wall" "$rem_count"
ratio() { if [ "$(echo "$1 > 0" | bc -l)" = 1 ]; then echo "scale=1; $2 / $1" | bc -l; else echo "(too fast to time)"; fi; }
echo "remind takes $(ratio "$km_cpu" "$rem_cpu") times the CPU time, $(ratio "$km_wall" "$rem_wall") times the wall time (best of $runs runs each)"
if [ "$km_count" != "$rem_count" ]; then
    echo "compare-remind: the counts differ ($km_count against $rem_count)" >&2
    exit 1
fi
