#!/usr/bin/env bash
# Runs every end-to-end journey of this folder against the programs of
# BUILD_DIR, KM_E2E_JOBS at a time (default 2). Each journey has a desktop
# of its own (a virtual display, a window manager, a tray, a private session
# bus), so two side by side do not see each other. A journey's output goes
# to BUILD_DIR/test-reports/e2e/NAME.log and is printed when it fails; the
# verdicts go to BUILD_DIR/test-reports/e2e.txt for the summary line.
#   tests/e2e/run-all.sh [BUILD_DIR] [NAME...]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-build}" && pwd)"
shift || true
jobs="${KM_E2E_JOBS:-2}"
reports="$build/test-reports"
mkdir -p "$reports/e2e"
: >"$reports/e2e.txt"

journeys=()
if (($#)); then
    for name in "$@"; do journeys+=("$here/${name%.sh}.sh"); done
else
    for script in "$here"/*.sh; do
        [ "$(basename "$script")" = "run-all.sh" ] || journeys+=("$script")
    done
fi

run_one() { # script
    local name start rc
    name="$(basename "$1" .sh)"
    start=$SECONDS
    timeout 300 bash "$1" "$build" >"$reports/e2e/$name.log" 2>&1
    rc=$?
    if [ "$rc" -eq 0 ]; then
        echo "passed $name" >>"$reports/e2e.txt"
        echo "=== e2e: $name passed in $((SECONDS - start)) s"
    else
        echo "failed $name" >>"$reports/e2e.txt"
        { echo "=== e2e: $name FAILED (exit $rc) after $((SECONDS - start)) s"
          tail -n 60 "$reports/e2e/$name.log"; } | sed "s/^/[$name] /"
    fi
}

running=0
for script in "${journeys[@]}"; do
    if ((running >= jobs)); then
        wait -n
        running=$((running - 1))
    fi
    run_one "$script" &
    running=$((running + 1))
done
wait
if grep -q '^failed' "$reports/e2e.txt"; then
    echo "e2e failures: $(grep '^failed' "$reports/e2e.txt" | cut -d' ' -f2 | tr '\n' ' ')"
    exit 1
fi
echo "e2e: all passed in $SECONDS s"
