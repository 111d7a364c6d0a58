#!/usr/bin/env bash
# Installs what is missing, builds Kestrelmark and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/app/kestrelmark ]; then
    # Register the pack type, the desktop entry and the autostart entry once.
    if [ ! -f "${XDG_DATA_HOME:-$HOME/.local/share}/applications/kestrelmark.desktop" ]; then
        build/app/kestrelmark registeronly || true
    fi
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: starting Kestrelmark under xvfb-run."
        exec xvfb-run -a build/app/kestrelmark "$@"
    fi
    exec build/app/kestrelmark "$@"
fi
exec build/cli/kestrelmark-cli --help
