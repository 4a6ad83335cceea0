#!/usr/bin/env bash
# Prints the size of the program and of its tests, in non-blank, non-comment
# lines, and the tests' share of the program (kept between 25% and 35%).
#   program: the C++ and resource sources built into Quellar.exe
#   tests:   everything only the tests use (tests/, e2e/ with its scripts and CMake files)
set -euo pipefail
cd "$(dirname "$0")/.."
count() {  # files...
    local total=0 file
    for file in "$@"; do
        case $file in
            *.sh | *.cmake | *.py) total=$((total + $(grep -cvE '^\s*(#.*)?$' "$file"))) ;;
            *) total=$((total + $(grep -cvE '^\s*(//.*)?$' "$file"))) ;;
        esac
    done
    echo "$total"
}
program=$(count $(git ls-files 'app/*.cpp' 'app/*.h' 'actions/*' 'countdown/*' 'tray/*' 'settings/*' \
    'platform/win32/*.cpp' 'platform/win32/*.h' 'app/*.h.in' 'resources/*.h' 'resources/*.h.in' 'resources/*.rc'))
tests=$(count $(git ls-files 'tests/*' 'e2e/*'))
echo "program $program lines, tests $tests lines: $((100 * tests / program))%"
