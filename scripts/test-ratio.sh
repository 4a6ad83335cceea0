#!/usr/bin/env bash
# Prints the size of the program and of its tests, in non-blank, non-comment
# lines, and the tests' share of all the code, tests / (program + tests),
# kept between 25% and 35%.
# Every file of code is counted on the side of whoever uses it, build files
# and scripts on both sides alike:
#   program: what builds, draws, packages or runs Quellar.exe, and its sources
#   tests:   everything only the tests use (tests/, e2e/, .ci/)
# The benchmarks (bench/) and this script are neither.
# The share of the C++ alone is printed too.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {  # files...
    local total=0 file
    for file in "$@"; do
        case $file in
            *.sh | *.cmake | *.py | Makefile | CMakeLists.txt | .ci/*) total=$((total + $(grep -cvE '^\s*(#.*)?$' "$file"))) ;;
            *.manifest.in) total=$((total + $(grep -cvE '^\s*(<!--.*)?$' "$file"))) ;;
            *) total=$((total + $(grep -cvE '^\s*(//.*)?$' "$file"))) ;;
        esac
    done
    echo "$total"
}
sources=(app actions countdown tray settings platform)
program_cpp=$(count $(git ls-files "${sources[@]}" | grep -E '\.(cpp|h|h\.in)$') \
    $(git ls-files 'resources/*.h' 'resources/*.h.in' 'resources/*.rc'))
program=$(count $(git ls-files "${sources[@]}" 'resources/*.h' 'resources/*.h.in' 'resources/*.rc' \
    'resources/*.manifest.in' tools cmake CMakeLists.txt Makefile scripts | grep -v '^scripts/test-ratio\.sh$'))
tests_cpp=$(count $(git ls-files tests e2e | grep -E '\.(cpp|h)$'))
tests=$(count $(git ls-files tests e2e .ci))
share() { echo "$((100 * $2 / ($1 + $2)))% of all the code"; }
echo "program $program lines, tests $tests lines: tests are $(share "$program" "$tests")"
echo "C++ alone: program $program_cpp lines, tests $tests_cpp lines: tests are $(share "$program_cpp" "$tests_cpp")"
