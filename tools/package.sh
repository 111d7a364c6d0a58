#!/usr/bin/env bash
# Builds the Debian package of Kestrelmark from a clean build folder with
# Debian's compiler flags, and leaves BUILD_DIR/kestrelmark_VERSION_ARCH.deb:
#   tools/package.sh [BUILD_DIR]      (default: build-package)
# The package's dependencies come from dpkg-shlibdeps. Check it with
# `lintian BUILD_DIR/kestrelmark_*.deb`; tests/e2e/package-journey.sh
# (run by ./test.sh) installs and removes it.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
dir="${1:-build-package}"
rm -rf "$dir"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DKM_BUILD_BENCH=OFF -DKM_BUILD_ARTWORK=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
deb="$(ls "$dir"/kestrelmark_*.deb)"
echo "$deb: $(du -k "$deb" | cut -f1) KiB"
