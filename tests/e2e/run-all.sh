#!/usr/bin/env bash
# Runs every end-to-end script of this folder against the programs of
# BUILD_DIR; each starts a desktop of its own (a virtual display, a window
# manager, a tray, a private session bus). Fails when any fails.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-build}" && pwd)"
failed=()
for script in "$here"/*.sh; do
    name="$(basename "$script")"
    [ "$name" = "run-all.sh" ] && continue
    echo "=== e2e: $name"
    start=$SECONDS
    if timeout 300 bash "$script" "$build"; then
        echo "=== e2e: $name passed in $((SECONDS - start)) s"
    else
        echo "=== e2e: $name FAILED"
        failed+=("$name")
    fi
done
if ((${#failed[@]})); then
    echo "e2e failures: ${failed[*]}"
    exit 1
fi
echo "e2e: all passed in $SECONDS s"
