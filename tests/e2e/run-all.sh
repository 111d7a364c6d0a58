#!/usr/bin/env bash
# Runs every end-to-end script of this folder against the programs of
# BUILD_DIR, each on a virtual display of its own; fails when any fails.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-build}" && pwd)"
failed=()
for script in "$here"/*.sh; do
    name="$(basename "$script")"
    [ "$name" = "run-all.sh" ] && continue
    echo "=== e2e: $name"
    if timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" bash "$script" "$build"; then
        echo "=== e2e: $name passed"
    else
        echo "=== e2e: $name FAILED"
        failed+=("$name")
    fi
done
if ((${#failed[@]})); then
    echo "e2e failures: ${failed[*]}"
    exit 1
fi
echo "e2e: all passed"
