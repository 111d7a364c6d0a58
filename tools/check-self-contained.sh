#!/usr/bin/env bash
# Fails when a tracked file reaches outside the repository: an absolute path
# into a developer's machine, or a folder beside the clone. A user's clone
# must hold everything its build and tests read.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='(/work/|\.\./shared|/root/)'
hits=$(git ls-files -z | grep -zv '^tests/data/' | grep -zv '^tools/check-self-contained.sh$' \
    | xargs -0 grep -nIE "$pattern" -- 2>/dev/null || true)
if [ -n "$hits" ]; then
    echo "These tracked files name a path outside the repository:" >&2
    echo "$hits" >&2
    exit 1
fi
