#!/usr/bin/env bash
# Prints the program's footprint: the size of both exes, the DLLs each
# imports, and the start-up time to the window being shown under Wine beside
# a bare Win32 window built with the same toolchain and flags, and beside the
# same window with the common controls and the program's manifest.
# usage: bench/bench.sh BUILD_DIR | X86_64_DIR I686_DIR
#   BUILD_DIR holds i686/, x86_64/ and native/ with the Wine prefix template;
#   $E2E_TEMPLATE: that template elsewhere;
#   $BENCH_RUNS: starts per round (default 9, 3 rounds);
#   $BENCH_SHORT=1: one round of 3 starts unless $BENCH_RUNS says otherwise.
set -euo pipefail

build=$(realpath "${1:-build}")
declare -A dirs=([x86_64]=$build/x86_64 [i686]=$build/i686)
if (($# >= 2)); then dirs=([x86_64]=$build [i686]=$(realpath "$2")) && build=$(dirname "$build"); fi
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${BENCH_RUNS:-9}
rounds=3
[[ ${BENCH_SHORT:-0} != 1 ]] || { runs=${BENCH_RUNS:-3}; rounds=1; }
source "$here/scripts/wine-session.sh"
main_class=$(sed -n 's/.*kMainClass = "\(.*\)";/\1/p' "$here/platform/win32/Identifiers.h")

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-bench.XXXXXX")
cleanup() {
    trap '' TERM INT  # a signal to the whole group comes again while it cleans up
    wine_session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

echo "== Size and imports"
for arch in i686 x86_64; do
    for exe in Quellar bare_window bare_controls; do
        file=${dirs[$arch]}/$exe.exe
        size=$(stat -c %s "$file")
        dlls=$("$arch-w64-mingw32-objdump" -p "$file" | awk '/DLL Name/ {print tolower($3)}' | sort | tr '\n' ' ')
        printf '%-7s %-12s %7d bytes (%5.1f KB)  imports: %s\n' "$arch" "$exe.exe" "$size" \
            "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" "$dlls"
    done
done

echo "== Start-up under Wine (x86_64, median of $runs runs, $rounds rounds): to the window shown, and to it drawn and waiting for input"
wine_session_start "$work" "${E2E_TEMPLATE:-$build/native/wine-prefix-template}"
dir=$WINEPREFIX/drive_c/bench
mkdir -p "$dir"
cp "${dirs[x86_64]}"/{Quellar,bare_window,bare_controls,starttime}.exe "$dir/"
cd "$dir"
# Warm the wineserver and the file cache first, as a user's second start would.
timeout 60 wine 'C:\bench\starttime.exe' 'C:\bench\bare_window.exe' BareWindow 2 >/dev/null 2>&1 || true
measure() {  # exe class: "visible idle private workingset"
    local line
    line=$(timeout 300 wine 'C:\bench\starttime.exe' "C:\\bench\\$1" "$2" "$runs" 2>/dev/null | tr -d '\r' |
        sed -n 's/^median visible \([0-9.]*\) ms, idle \([0-9.]*\) ms, private \([0-9]*\) KB, working set \([0-9]*\) KB.*/\1 \2 \3 \4/p')
    [[ -n $line ]] || { echo "bench: no start-up time for $1" >&2; return 70; }
    echo "$line"
}
# Interleaved rounds, so that both see the same machine.
quellar=()
bare=()
controls=()
for ((round = 1; round <= rounds; round++)); do
    bare+=("$(measure bare_window.exe BareWindow)")
    controls+=("$(measure bare_controls.exe BareWindow)")
    quellar+=("$(measure Quellar.exe "$main_class")")
done
column() {  # n figures...: the n-th figure of each round
    local n=$1
    shift
    printf '%s\n' "$@" | awk -v n="$n" '{ print $n }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
ratio() { awk -v q="$1" -v b="$2" 'BEGIN { printf "%.2f", q / b }'; }
# Each figure beside the bare window's, whose ratio is judged, and beside the
# bare window with the common controls, whose ratio shows what the program
# itself adds.
report() {  # label n unit target
    local b c q
    b=$(column "$2" "${bare[@]}" | median)
    c=$(column "$2" "${controls[@]}" | median)
    q=$(column "$2" "${quellar[@]}" | median)
    printf '%-26s bare window %8.1f %s, Quellar.exe %8.1f %s, ratio %5.2f (target: within %s)   rounds: %s\n' "$1" \
        "$b" "$3" "$q" "$3" "$(ratio "$q" "$b")" "$4" "$(column "$2" "${quellar[@]}" | tr '\n' ' ')"
    printf '%-26s bare window with the common controls %8.1f %s (%s of the bare window), Quellar.exe %s of it\n' "" \
        "$c" "$3" "$(ratio "$c" "$b")" "$(ratio "$q" "$c")"
}
report "shown" 1 ms 1.15
report "drawn, waiting for input" 2 ms 1.15
report "private bytes" 3 KB 1.5
report "working set" 4 KB 1.5
