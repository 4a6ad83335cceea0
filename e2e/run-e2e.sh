#!/usr/bin/env bash
# Runs the end-to-end driver against Quellar.exe under Wine: a fresh prefix
# (copied from a cached template), a private X display, and everything torn
# down again on the way out, whatever happens.
#
# usage: run-e2e.sh QUELLAR_EXE DRIVER_EXE [GTEST_FILTER] [OUT_DIR]
#   OUT_DIR (or $E2E_OUT) receives the screenshots as PNG; default: e2e-out/
#   next to the driver. $E2E_PREFIX_TEMPLATE overrides where the template
#   prefix is kept (default: e2e-prefix-template/ next to the driver).
#   $E2E_TIMEOUT caps the driver's run in seconds (default 100).
set -euo pipefail

usage() {
    echo "usage: $0 QUELLAR_EXE DRIVER_EXE [GTEST_FILTER] [OUT_DIR]" >&2
    exit 64
}
[[ $# -ge 2 && $# -le 4 ]] || usage
[[ -f $1 ]] || { echo "run-e2e: no program at $1" >&2; exit 66; }
[[ -f $2 ]] || { echo "run-e2e: no driver at $2" >&2; exit 66; }

program_exe=$(realpath "$1")
driver_exe=$(realpath "$2")
[[ $(basename "$program_exe") != "$(basename "$driver_exe")" ]] || {
    echo "run-e2e: the program and the driver need different file names" >&2
    exit 64
}
filter=${3:-*}
build_dir=$(dirname "$driver_exe")
out_dir=${4:-${E2E_OUT:-$build_dir/e2e-out}}
template=${E2E_PREFIX_TEMPLATE:-$build_dir/e2e-prefix-template}
run_timeout=${E2E_TIMEOUT:-100}
script_dir=$(dirname "$(realpath "$0")")

source "$script_dir/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-e2e.XXXXXX")
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    wine_session_stop
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

elapsed_since() { echo "$(( $(date +%s%N) / 1000000 - $1 ))ms"; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

started=$(now_ms)
wine_session_start "$work" "$template"
echo "run-e2e: fresh prefix in $(elapsed_since "$started") on display $DISPLAY"

app_dir=$WINEPREFIX/drive_c/quellar
mkdir -p "$app_dir/shots"
cp "$program_exe" "$driver_exe" "$app_dir/"
for help in "$(dirname "$program_exe")/help.html" "$script_dir/../resources/help.html"; do
    if [[ -f $help ]]; then cp "$help" "$app_dir/"; break; fi
done
win_dir='C:\quellar'
program_name=$(basename "$program_exe")
driver_name=$(basename "$driver_exe")

# Wine's exit status is not to be trusted on its own: the driver must also
# have printed GoogleTest's summary.
log=$work/driver.log
step=$(now_ms)
# In the background, so that a signal to this script is handled at once
# rather than after the driver's own timeout.
(
    set +e
    (cd "$app_dir" && timeout -k 5 "$run_timeout" wine "$win_dir\\$driver_name" \
        "--quellar-exe=$win_dir\\$program_name" "--shots=$win_dir\\shots" "--gtest_filter=$filter" \
        --gtest_color=no) 2>&1 | tr -d '\r' | tee "$log"
    echo "${PIPESTATUS[0]}" >"$work/status"
) &
runner_pid=$!
wait "$runner_pid" || true
runner_pid=
status=$(cat "$work/status" 2>/dev/null || echo 70)
echo "run-e2e: driver ran for $(elapsed_since "$step") (exit status $status)"

mkdir -p "$out_dir"
for shot in "$app_dir"/shots/*.bmp; do
    [[ -e $shot ]] || continue
    convert "$shot" "$out_dir/$(basename "${shot%.bmp}").png"
    echo "run-e2e: saved $out_dir/$(basename "${shot%.bmp}").png"
done

summary=$(grep -E '^\[==========\] [0-9]+ tests? from [0-9]+ test suites? ran' "$log" || true)
if [[ -z $summary ]]; then
    echo "run-e2e: the driver did not run to its end (no test summary; status $status)" >&2
    (( status != 0 )) || status=70
elif [[ $summary =~ ^\[==========\]\ 0\ tests ]]; then
    echo "run-e2e: no test matches the filter '$filter'" >&2
    status=65
elif grep -q '^\[  FAILED  \]' "$log" && (( status == 0 )); then
    echo "run-e2e: tests failed but the driver's status was 0" >&2
    status=1
fi
echo "run-e2e: finished in $(elapsed_since "$started") with status $status"
exit "$status"
