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
runs=${3:-3}
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

# Best of the runs, as CPU seconds (user + system) and wall seconds.
measure() {
    local out=$1; shift
    local best_cpu= best_wall=
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%U %S %e' -o "$work/time" "$@" >"$out" 2>/dev/null
        read -r user sys wall < <(tail -1 "$work/time")
        local cpu
        cpu=$(echo "$user + $sys" | bc -l)
        if [ -z "$best_cpu" ] || [ "$(echo "$cpu < $best_cpu" | bc -l)" = 1 ]; then best_cpu=$cpu; fi
        if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc -l)" = 1 ]; then best_wall=$wall; fi
    done
    echo "$best_cpu $best_wall"
}

command -v /usr/bin/time >/dev/null || { echo "compare-remind: missing /usr/bin/time (Debian package: time)" >&2; exit 2; }
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
