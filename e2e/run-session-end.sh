#!/usr/bin/env bash
# Ends the Wine session under a running Quellar.exe with Wine's own tool,
# as ExitWindowsEx does ("wineboot --end-session --shutdown"), and checks
# from outside that the program neither asked nor held the session up, that
# it ended, and that it saved its options on the way out. The prefix is
# private: the session end ends every windowed program in it.
#
# usage: run-session-end.sh QUELLAR_EXE
#   $E2E_PREFIX_TEMPLATE: the cached template prefix (default:
#   e2e-prefix-template/ next to the exe)
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 QUELLAR_EXE" >&2; exit 64; }
[[ -f $1 ]] || { echo "run-session-end: no program at $1" >&2; exit 66; }
program_exe=$(realpath "$1")
template=${E2E_PREFIX_TEMPLATE:-$(dirname "$program_exe")/e2e-prefix-template}
script_dir=$(dirname "$(realpath "$0")")
source "$script_dir/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY

key='HKCU\Software\VB and VBA Program Settings\Quellar'
title='Quellar 2000 v2.40'
start_timeout=30  # seconds, each
end_timeout=30

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-session-end.XXXXXX")
program_pid=
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
    wine_session_stop
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

failures=0
check() {  # description, then the test
    local what=$1
    shift
    if "$@"; then
        echo "ok:   $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# True while the named window is on the screen.
shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# The options as the program left them, as NAME=VALUE lines.
saved_options() {
    { timeout 60 wine reg query "$key\\Startup" 2>/dev/null || true; } | tr -d '\r' |
        awk '$2 == "REG_SZ" { print $1 "=" $3 }' | sort
}

wine_session_start "$work" "$template"
app_dir=$WINEPREFIX/drive_c/quellar
mkdir -p "$app_dir"
cp "$program_exe" "$app_dir/"

# Force is ticked when the program starts; the saved copy is then taken
# away, so only a save on the way out can bring it back.
timeout 60 wine reg add "$key\\Startup" /v Force /d 1 /f >/dev/null
(cd "$app_dir" && exec wine 'C:\quellar\Quellar.exe') >"$work/program.log" 2>&1 &
program_pid=$!
deadline=$((SECONDS + start_timeout))
until shown "^$title\$"; do
    if ((SECONDS > deadline)) || ! kill -0 "$program_pid" 2>/dev/null; then
        echo "run-session-end: the program's window did not come up" >&2
        exit 70
    fi
    sleep 0.2
done
timeout 60 wine reg delete "$key" /f >/dev/null

started=$(wine_session_now_ms)
timeout "$end_timeout" wine wineboot --end-session --shutdown >"$work/wineboot.log" 2>&1 &
wineboot_pid=$!
asked=no
hung=no
deadline=$((SECONDS + end_timeout))
while kill -0 "$program_pid" 2>/dev/null && ((SECONDS <= deadline)); do
    if shown '^Exit Quellar 2000$'; then asked=yes; fi
    if shown '^Waiting for Program$'; then hung=yes; fi
    sleep 0.1
done
ended_ms=$(($(wine_session_now_ms) - started))
program_ended=yes
kill -0 "$program_pid" 2>/dev/null && program_ended=no
wineboot_status=0
wait "$wineboot_pid" || wineboot_status=$?
if [[ $program_ended == yes ]]; then program_pid=; fi
echo "run-session-end: the program ended ${ended_ms} ms after the session end began"

options=$(saved_options | tr '\n' ' ')
check "the program ended with the session" test "$program_ended" = yes
check "it did not ask whether to quit" test "$asked" = no
check "the session end did not wait for it" test "$hung" = no
check "wineboot ended the session (status $wineboot_status)" test "$wineboot_status" -eq 0
check "the options were saved on the way out ($options)" \
    test "$options" = "Disable=0 Force=1 Minimise=0 "
if ((failures > 0)); then
    echo "run-session-end: $failures check(s) failed"
    exit 1
fi
echo "run-session-end: all checks passed"
