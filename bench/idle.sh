#!/usr/bin/env bash
# What an idle program costs under Wine: Quellar.exe waiting in the tray
# with no countdown, beside the bare window, each left alone for a while.
#
#   CPU ms     user + system time of the program's process (/proc/PID/stat)
#   server ms  the prefix's wineserver over the same time, whoever asked it
#   wakeups    context switches of all the program's threads (/proc/PID/task)
#   messages   user32.GetMessageA returning a message, from a relay trace of
#              a second run (WINEDEBUG=+relay, RelayInclude GetMessageA,
#              PeekMessageA, DispatchMessageA), counted over the same time
#   winproc    calls of the program's window procedures in that trace (sent
#              messages too); timers: those with WM_TIMER
#
# The trace runs apart from the CPU run, since tracing costs time itself.
# Prints figures only; asserts nothing.
# usage: bench/idle.sh BUILD_DIR   (the folder holding x86_64/, or x86_64/ itself)
#   $BENCH_IDLE_SECONDS: how long each program is left alone (default 60)
#   $BENCH_IDLE_SHOWN=1: Quellar.exe shown as well, not only in the tray
#   $BENCH_SHORT=1: 3 s alone after 2 s to settle, unless told otherwise
#   $E2E_TEMPLATE: the Wine prefix template (default BUILD_DIR/native/...)
#   $QUELLAR_RELAY_TALLY: what reads the trace (default BUILD_DIR/native/relay_tally)
set -euo pipefail

build=$(realpath "${1:-build}")
[[ -f $build/x86_64/Quellar.exe ]] && build=$build/x86_64
for exe in Quellar.exe bare_window.exe; do
    [[ -f $build/$exe ]] || { echo "idle: no $exe in $build" >&2; exit 66; }
done
here=$(cd "$(dirname "$0")/.." && pwd)
tally=${QUELLAR_RELAY_TALLY:-$(dirname "$build")/native/relay_tally}
[[ -x $tally ]] || { echo "idle: no reader of relay traces at $tally (make native)" >&2; exit 66; }
seconds=${BENCH_IDLE_SECONDS:-60}
settle=5          # seconds after the window is there before measuring
[[ ${BENCH_SHORT:-0} != 1 ]] || { seconds=${BENCH_IDLE_SECONDS:-3}; settle=2; }
start_timeout=30  # seconds
source "$here/scripts/wine-session.sh"
unset WINEPREFIX DISPLAY

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-idle.XXXXXX")
program_pid=
desktop_pid=
stop_pid() {  # pid: ends one process started here, by its pid
    [[ -n $1 ]] || return 0
    kill "$1" 2>/dev/null || true
    timeout 10 tail --pid="$1" -f /dev/null 2>/dev/null || kill -9 "$1" 2>/dev/null || true
}
cleanup() {
    trap '' TERM INT  # a signal to the whole group comes again while it cleans up
    stop_pid "$program_pid"
    stop_pid "$desktop_pid"
    wine_session_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

wine_session_start "$work" "${E2E_TEMPLATE:-$(dirname "$build")/native/wine-prefix-template}"
dir=$WINEPREFIX/drive_c/bench
mkdir -p "$dir"
cp "$build/Quellar.exe" "$build/bare_window.exe" "$dir/"
# The options' key, as the program's identifiers name it.
store="HKCU\\$(sed -n 's/.*kStorePath = "\(.*\)";/\1/p' "$here/platform/win32/Identifiers.h" | sed 's/\\\\/\\/g')"
timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude \
    /d 'user32.GetMessageA;user32.PeekMessageA;user32.DispatchMessageA' /f >/dev/null

# The desktop and its taskbar first, so that no program under a trace
# starts them (they would inherit the trace).
(cd "$dir" && exec wine explorer.exe /desktop=shell) >/dev/null 2>&1 &
desktop_pid=$!
deadline=$((SECONDS + start_timeout))
until xdotool search --name ' - Wine desktop$' >/dev/null 2>&1; do
    ((SECONDS <= deadline)) || { echo "idle: the Wine desktop did not come up" >&2; exit 70; }
    sleep 0.2
done

# The prefix's wineserver: its working folder is named after the prefix.
server_dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
server_pid=
for pid in $(pgrep -x wineserver64 || true) $(pgrep -x wineserver || true); do
    [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == */$server_dir ]] && server_pid=$pid
done

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
to_ms() { echo $(( $1 * 1000 / ticks )); }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n + 0 }'
}

# Starts the exe and waits until its window exists and things have settled.
start_program() {  # exe, window name, trace file or "" for none
    local debug=-all
    [[ -n $3 ]] && debug=+relay,+pid
    (cd "$dir" && WINEDEBUG=$debug exec wine "C:\\bench\\$1") >/dev/null 2>"${3:-/dev/null}" &
    program_pid=$!
    local deadline=$((SECONDS + start_timeout))
    until xdotool search --name "$2" >/dev/null 2>&1; do
        if ((SECONDS > deadline)) || ! kill -0 "$program_pid" 2>/dev/null; then
            echo "idle: $1 did not show its window" >&2
            exit 70
        fi
        sleep 0.2
    done
    sleep "$settle"
}

# How the program stands: hidden (in the tray) or shown.
standing() {  # window name
    if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then echo shown; else echo hidden; fi
}

measure() {  # label, exe, window name, "tray" or "shown"
    local label=$1 exe=$2 name=$3 place=$4
    if [[ $place == tray ]]; then
        timeout 60 wine reg add "$store" /v Minimise /d 1 /f >/dev/null
    else
        timeout 60 wine reg delete "$store" /f >/dev/null 2>&1 || true
    fi

    start_program "$exe" "$name" ""
    local state cpu0 switches0 server0=0 cpu1 switches1 server1=0
    state=$(standing "$name")
    cpu0=$(cpu_ticks "$program_pid")
    switches0=$(switches "$program_pid")
    [[ -n $server_pid ]] && server0=$(cpu_ticks "$server_pid")
    sleep "$seconds"
    cpu1=$(cpu_ticks "$program_pid")
    switches1=$(switches "$program_pid")
    [[ -n $server_pid ]] && server1=$(cpu_ticks "$server_pid")
    stop_pid "$program_pid"
    program_pid=

    local trace=$work/trace.log
    start_program "$exe" "$name" "$trace"
    local from to
    from=$(wc -l <"$trace")
    sleep "$seconds"
    to=$(wc -l <"$trace")
    stop_pid "$program_pid"
    program_pid=
    local window=$work/window.log
    sed -n "$((from + 1)),${to}p" "$trace" >"$window"
    local counts messages winprocs timers
    counts=$("$tally" "$window")
    messages=$(sed -n 's/^messages //p' <<<"$counts")
    winprocs=$(sed -n 's/^winprocs //p' <<<"$counts")
    timers=$(sed -n 's/^timers //p' <<<"$counts")

    printf '%-30s %-6s %7s %9s %8s %9s %8s %7s\n' "$label" "$state" "$(to_ms $((cpu1 - cpu0)))" \
        "$(to_ms $((server1 - server0)))" "$((switches1 - switches0))" "$messages" "$winprocs" "$timers"
    sed -n '4,$s/^/      /p' <<<"$counts"
}

echo "== Idle for $seconds s under Wine (x86_64), after $settle s to settle"
printf '%-30s %-6s %7s %9s %8s %9s %8s %7s\n' program window "CPU ms" "server ms" wakeups messages winproc timers
title="^Quellar 2000 v$(sed -n 's/^project(Quellar2000 VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")\$"
measure "Quellar.exe, in the tray" Quellar.exe "$title" tray
if [[ ${BENCH_IDLE_SHOWN:-0} == 1 ]]; then
    measure "Quellar.exe, shown" Quellar.exe "$title" shown
fi
measure "bare_window.exe, shown" bare_window.exe '^Bare$' shown
[[ -n $server_pid ]] || echo "(the prefix's wineserver was not found: server ms not measured)"
