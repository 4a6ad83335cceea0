#!/usr/bin/env bash
# Runs one group of scenarios in a Wine session of its own (a private X
# display, a fresh prefix), torn down by PID whatever happens.
# usage: run-group.sh X86_64_BUILD I686_BUILD GROUP [SCENARIO]
#   $E2E_TEMPLATE: the template prefix; $E2E_BITS: 32 runs the i686 release, release the same where
#   the host runs it (else the x86_64 build), 64 or nothing the x86_64 build
#   $QUELLAR_RELAY: the native reader of relay traces, which splits the trace (default: native/ beside X86_64_BUILD)
#   GROUP - 'STEPS' runs the steps given; the logs stay in $E2E_LOGS if set
# On a host that runs no 32-bit programs the i686 groups are skipped (status 77).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY
relay=${QUELLAR_RELAY:-$(dirname "$(realpath "$1")")/native/quellar_relay}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-e2e.XXXXXX")
logs=${E2E_LOGS:-$work/logs}
mkdir -p "$logs"
rm -f "$logs"/*
# The session's start (the display, the prefix's boot), the driver's output,
# the relay trace and Wine's messages (both on the driver's stderr) are kept;
# a group that fails prints the end of each.
report() {
    local status=$1 trace=${WINEPREFIX:-/nonexistent}/drive_c/trace.log
    [[ ! -f $trace ]] || "$relay" "$trace" "$logs/relay.log" "$logs/wine-stderr.log" || true
    ((status != 0)) || return 0
    echo "The group failed (status $status); its logs are in $logs."
    for log in session.log driver.log relay.log wine-stderr.log; do
        echo "--- the last lines of $log:"
        if [[ -s $logs/$log ]]; then tail -n 15 "$logs/$log"; else echo "    (empty)"; fi
    done
}
# Stopped from outside (a test's time-out), it still ends its session; the
# signal may come again, to the whole group, while it does.
trap 'status=$?; trap "" TERM INT; report $status; wine_session_stop; rm -rf "$work"; exit $status' EXIT
trap 'exit 143' TERM INT
wine_session_prepare "$work" "${E2E_TEMPLATE:?}" 2>"$logs/session.log"
# A group of the i686 release needs a Wine that runs 32-bit programs; where
# none does, it is skipped, and make test lists it with the reason. A group
# for the release alone then runs on the x86_64 build.
bits=${E2E_BITS:-64}
if [[ $bits != 64 ]] && ! reason=$(wine_host_32bit "$(wine_session_template_of "$E2E_TEMPLATE")"); then
    if [[ $bits == 32 ]]; then
        echo "the i686 release cannot run on this host: $reason" | tee "$logs/skipped" | sed 's/^/SKIPPED: /'
        exit 77
    fi
    echo "On the x86_64 build: the i686 release cannot run on this host: $reason"
    bits=64
fi
wine_session_copy "$(wine_session_template_of "$E2E_TEMPLATE")" "$work/prefix"
export WINEPREFIX=$work/prefix

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
# The plain-x groups run straight on the X display, as most people run a
# program under Wine: without Wine's virtual desktop, with Wine's own tray
# window, and with no window manager, so Wine gives the X focus itself as one
# would (Managed=N). Their keys are typed on the X display, with xdotool.
if [[ $3 == plain-x* ]]; then
    timeout 60 wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    export E2E_XDOTOOL="Z:$(command -v xdotool | tr / '\\')"
fi
timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /f /d \
    'user32.ExitWindowsEx;user32.LoadImageA;user32.ChangeWindowMessageFilterEx;shell32.Shell_NotifyIconA;shell32.ShellExecuteA;combase.CoInitializeEx;GetLastError;FormatMessageA;advapi32.OpenProcessToken;advapi32.LookupPrivilegeValueA;advapi32.AdjustTokenPrivileges' \
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
[[ $bits != 64 ]] && export QUELLAR_EXE='C:\q32\Quellar.exe' || export QUELLAR_EXE='C:\q64\Quellar.exe'
# In the background, so that a signal is handled at once and ends the session.
USER=jSMITH timeout -k 5 220 wine 'C:\quellar_e2e.exe' "${@:3}" 2>"$c/trace.log" | tr -d '\r' | tee -a "$logs/driver.log" &
wait $!
grep -qxe "$3: [0-9]* scenarios, 0 failed" "$logs/driver.log"
