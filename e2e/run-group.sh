#!/usr/bin/env bash
# Runs one group of scenarios in a Wine session of its own (a private X
# display, a fresh prefix), torn down by PID whatever happens.
# usage: run-group.sh X86_64_BUILD I686_BUILD GROUP [SCENARIO]
#   $E2E_TEMPLATE: the template prefix; $E2E_BITS: 32 runs the i686 release, else the x86_64 build
#   GROUP - 'STEPS' runs the steps given; the driver's log and the trace stay in $E2E_LOGS if set
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-e2e.XXXXXX")
keep_logs() {  # the driver's output and the relay trace, for a look after the run
    [[ -z ${E2E_LOGS:-} ]] || { mkdir -p "$E2E_LOGS" && cp -f "$work/out" "$WINEPREFIX/drive_c/trace.log" "$E2E_LOGS/" 2>/dev/null; } || true
}
trap 'keep_logs; wine_session_stop; rm -rf "$work"' EXIT
wine_session_start "$work" "${E2E_TEMPLATE:?}"

c=$WINEPREFIX/drive_c
mkdir -p "$c/q64" "$c/q32"
cp "$1/Quellar.exe" "$c/q64/"
cp "$2/Quellar.exe" "$c/q32/"
cp "$1/quellar_e2e.exe" "$c/"
# A Windows without Wine's own fonts, where wider faces stand in for them.
[[ $3 != *-without-wine-fonts ]] || rm -rf "$c/windows/Fonts"
# The session starts with Wine's own wineboot and lives until the end; the
# calls to trace are read by each process as it starts.
wineserver -p
timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /f /d \
    'user32.ExitWindowsEx;user32.LoadImageA;shell32.Shell_NotifyIconA;shell32.ShellExecuteA;advapi32.OpenProcessToken;advapi32.LookupPrivilegeValueA;advapi32.AdjustTokenPrivileges' \
    >/dev/null
# After that, the program's ExitWindowsEx starts the driver in wineboot's
# place (a copy, the template's file stays): the session goes on. Wine takes
# the override from the Unix environment only.
rm -f "$c/windows/system32/wineboot.exe"
cp "$1/quellar_e2e.exe" "$c/windows/system32/wineboot.exe"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wineboot.exe=n"

# The driver's exit status alone is not trusted: Wine's may be 0 whatever.
# Wine names the Windows user after USER.
cd "$c"
[[ ${E2E_BITS:-64} == 32 ]] && export QUELLAR_EXE='C:\q32\Quellar.exe' || export QUELLAR_EXE='C:\q64\Quellar.exe'
USER=jSMITH timeout -k 5 220 wine 'C:\quellar_e2e.exe' "${@:3}" 2>"$c/trace.log" | tr -d '\r' | tee "$work/out"
grep -qxe "$3: [0-9]* scenarios, 0 failed" "$work/out"
