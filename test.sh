#!/usr/bin/env bash
# Installs what is missing, builds Kestrelmark once under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test against that build: the
# unit tests, then the end-to-end journeys on a virtual desktop. Ends with
# one line, "N passed, N failed", over both.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
tools/check-self-contained.sh
jobs=$(nproc)
build=build-test
started=$SECONDS

# -O1 keeps the journeys quick under the sanitizers; -g1 keeps line numbers
# in their reports at a fraction of the full debug information.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" \
    -DKM_SANITIZE=ON -DKM_BUILD_BENCH=OFF -DKM_BUILD_ARTWORK=OFF >/dev/null
cmake --build "$build" -j "$jobs"
built=$SECONDS
echo "test.sh: built in $((built - started)) s"

# verify_asan_link_order=0: the journeys move the wall clock with libfaketime,
# preloaded ahead of the sanitizer runtime.
export ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1
rm -rf "$build/test-reports" "$build/testhome"
unit=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" || unit=$?
tested=$SECONDS
echo "test.sh: unit tests in $((tested - built)) s"

e2e=0
tests/e2e/run-all.sh "$build" || e2e=$?
echo "test.sh: end-to-end journeys in $((SECONDS - tested)) s"

python3 tools/test-summary.py "$build"
[ "$unit" -eq 0 ] && [ "$e2e" -eq 0 ]
