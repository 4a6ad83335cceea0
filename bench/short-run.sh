#!/usr/bin/env bash
# Runs one benchmark once in short mode (BENCH_SHORT=1), printing its output
# and how long it took, and fails only when the script fails or does not print
# the lines that carry its figures. The figures themselves are not judged.
# usage: bench/short-run.sh bench.sh|countdown.sh|idle.sh ARGUMENT...
set -uo pipefail

script=$1
shift
n='[0-9]+(\.[0-9]+)?'
case $script in
    bench.sh) figures=("^i686 +Quellar\.exe +[0-9]+ bytes" "^x86_64 +Quellar\.exe +[0-9]+ bytes"
                       "^shown +bare window +$n ms, Quellar\.exe +$n ms, ratio +$n"
                       "^drawn, waiting for input +bare window +$n ms, Quellar\.exe +$n ms, ratio +$n"
                       "^private bytes +bare window +$n KB, Quellar\.exe +$n KB, ratio +$n"
                       "^working set +bare window +$n KB, Quellar\.exe +$n KB, ratio +$n") ;;
    countdown.sh) figures=("^N=[0-9]+: zero reached $n s after Start \(error [-+]$n ms\)"
                           "^N=[0-9]+: per-tick error ms: mean [-+]$n +sd $n +min [-+]$n +max [-+]$n") ;;
    idle.sh) figures=("^Quellar\.exe, in the tray +[a-z]+( +[0-9]+){6}$" "^bare_window\.exe, shown +[a-z]+( +[0-9]+){6}$") ;;
    *) echo "short-run: no benchmark $script" >&2; exit 64 ;;
esac

out=$(mktemp "${TMPDIR:-/tmp}/quellar-short.XXXXXX")
trap 'rm -f "$out"' EXIT
BENCH_SHORT=1 "$(dirname "$0")/$script" "$@" 2>&1 | tee "$out"
status=${PIPESTATUS[0]}
echo "(the short run of $script took $SECONDS s)"
((status == 0)) || { echo "short-run: $script ended with status $status" >&2; exit 1; }
for line in "${figures[@]}"; do
    grep -Eq "$line" "$out" || { echo "short-run: $script printed no line like: $line" >&2; exit 1; }
done
