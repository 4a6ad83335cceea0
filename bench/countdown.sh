#!/usr/bin/env bash
# How closely the countdown keeps to the clock under Wine: for each N, the
# time from Start until the seconds box shows 0, against N seconds, and the
# error of every tick. Prints figures only; nothing here passes or fails.
#
# usage: bench/countdown.sh BUILD_DIR
#   BUILD_DIR: the x86_64 build folder (or the folder holding x86_64/).
#   $COUNTDOWN_SECONDS: the N to measure (default "19 60"; "19" with $BENCH_SHORT=1);
#   $COUNTDOWN_RUNS: runs of each (default 1);
#   $COUNTDOWN_VERBOSE=1: also a line for every change of the box;
#   $E2E_TEMPLATE: the Wine prefix template (default BUILD_DIR/../native/...).
# The tool countdown_timing.exe comes from the build (bench/countdown.cmake).
# Ends with status 1 when a run could not measure.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath "${1:-build/x86_64}")
[[ -f $dir/Quellar.exe ]] || dir=$dir/x86_64
[[ -f $dir/Quellar.exe ]] || { echo "countdown: no Quellar.exe in ${1:-build/x86_64}" >&2; exit 66; }
default="19 60"
[[ ${BENCH_SHORT:-0} != 1 ]] || default=19
read -r -a seconds <<<"${COUNTDOWN_SECONDS:-$default}"
runs=${COUNTDOWN_RUNS:-1}
flags=()
[[ ${COUNTDOWN_VERBOSE:-0} == 1 ]] && flags=(-v)
source "$here/scripts/wine-session.sh"
unset WINEPREFIX DISPLAY

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-countdown.XXXXXX")
cleanup() {
    trap - EXIT
    trap '' INT TERM
    wine_session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tool=$dir/countdown_timing.exe
[[ -f $tool ]] || { echo "countdown: no countdown_timing.exe in $dir (make x86_64 builds it)" >&2; exit 66; }

wine_session_start "$work" "${E2E_TEMPLATE:-$dir/../native/wine-prefix-template}"
bench_dir=$WINEPREFIX/drive_c/bench
mkdir -p "$bench_dir"
cp "$dir/Quellar.exe" "$tool" "$bench_dir/"

total=0
for n in "${seconds[@]}"; do total=$(( total + n + 40 )); done
echo "== Countdown timing under $(wine --version), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "   (times from the moment Start's click handler returned; the box is read about every millisecond)"
status=0
for (( run = 1; run <= runs; run++ )); do
    (( runs == 1 )) || echo "-- run $run of $runs"
    (cd "$bench_dir" && timeout -k 5 "$total" wine 'C:\bench\countdown_timing.exe' "${flags[@]}" 'C:\bench\Quellar.exe' "${seconds[@]}" \
        2>/dev/null | tr -d '\r') || { status=$?; echo "(the run ended early: status $status)"; }
done
exit $(( status == 0 ? 0 : 1 ))
