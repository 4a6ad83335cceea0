#!/usr/bin/env bash
# Which folder's code includes which other folder's, one arrow a line, a
# subfolder counting as a folder of its own; fails when two folders include
# each other. usage: tests/include-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
arrows=$(git ls-files '*.cpp' '*.h' '*.in' | while read -r file; do
    sed -n "s|^#include \"\\(.*\\)/[^/]*\".*|$(dirname "$file") -> \\1|p" "$file"
done | awk '$1 != $3' | sort -u)
echo "$arrows"
both=$(grep -Fx -f <(awk '{ print $3 " -> " $1 }' <<<"$arrows") <<<"$arrows" || true)
[[ -z $both ]] || { echo "folders that include each other: $both" >&2; exit 1; }
