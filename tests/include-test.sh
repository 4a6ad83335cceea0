#!/usr/bin/env bash
# Which folder's code includes which other folder's, one arrow a line; fails
# when two folders include each other. usage: tests/include-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
arrows=$(git ls-files '*.cpp' '*.h' '*.in' | while read -r file; do
    sed -n "s|^#include \"\\([^/\"]*\\)/.*|${file%%/*} -> \\1|p" "$file"
done | awk '$1 != $3' | sort -u)
echo "$arrows"
both=$(awk '{ print $3 " -> " $1 }' <<<"$arrows" | grep -Fx -f - <<<"$arrows" || true)
[[ -z $both ]] || { echo "folders that include each other: $both" >&2; exit 1; }
