#!/usr/bin/env bash
# Lets each action really reach Windows: every case gets a Wine prefix and an
# X display of its own, since Wine's answer to ExitWindowsEx ends processes of
# the whole prefix (with Force the driver too). The driver checks all it can
# before the action and starts the program with a relay trace of the calls
# that matter; afterwards this script reads the program's part of the trace.
#
# usage: run-action.sh QUELLAR_EXE DRIVER_EXE [CASE...]
#   CASE: logoff shutdown reboot powerdown logoff-forced shutdown-forced
#         logoff-yes countdown-logoff shutdown-win98 (default: all)
#   $E2E_PREFIX_TEMPLATE: the template prefix (default: e2e-prefix-template/
#   next to the driver); $E2E_OUT: where each case leaves its driver output
#   and the program's calls (default: e2e-out/ next to the driver).
# Prints one PASS/FAIL line per case and "run-action: N passed, N failed";
# the exit status is 0 only when every case passed.
set -uo pipefail

usage() {
    echo "usage: $0 QUELLAR_EXE DRIVER_EXE [CASE...]" >&2
    exit 64
}
[[ $# -ge 2 ]] || usage
[[ -f $1 ]] || { echo "run-action: no program at $1" >&2; exit 66; }
[[ -f $2 ]] || { echo "run-action: no driver at $2" >&2; exit 66; }
program_exe=$(realpath "$1")
driver_exe=$(realpath "$2")
shift 2
build_dir=$(dirname "$driver_exe")
template=${E2E_PREFIX_TEMPLATE:-$build_dir/e2e-prefix-template}
out_root=${E2E_OUT:-$build_dir/e2e-out}
script_dir=$(dirname "$(realpath "$0")")

# case | driver test | ExitWindowsEx flags | shutdown privilege | questions |
# force | Windows version Wine reports (empty: its default, of the NT family)
cases=(
    "logoff|LogOff|00000000|no|0|no|"
    "shutdown|Shutdown|00000001|yes|0|no|"
    "reboot|Reboot|00000002|yes|0|no|"
    "powerdown|PowerDown|00000008|yes|0|no|"
    "logoff-forced|LogOffForced|00000004|no|0|yes|"
    "shutdown-forced|ShutdownForced|00000005|yes|0|yes|"
    "logoff-yes|LogOffAfterYes|00000000|no|1|no|"
    "countdown-logoff|CountdownLogOff|00000000|no|0|no|"
    "shutdown-win98|Shutdown|00000001|no|0|no|win98"
)
relay_include='user32.ExitWindowsEx;user32.MessageBoxA;shell32.Shell_NotifyIconA;advapi32.OpenProcessToken;advapi32.LookupPrivilegeValueA;advapi32.AdjustTokenPrivileges;kernel32.CloseHandle;kernel32.ExitProcess'
driver_timeout=120
end_timeout=30

source "$script_dir/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY

work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-action.XXXXXX")
runner_pid=
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    if [[ -n $runner_pid ]]; then kill "$runner_pid" 2>/dev/null || true; fi
    wine_session_stop
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# The program's calls from the trace, in order, one per line.
program_calls() {  # trace pid
    grep -a "^$2:[0-9a-f]*:Call " "$1" |
        grep -aE 'Call (user32\.ExitWindowsEx|user32\.MessageBoxA|shell32\.Shell_NotifyIconA|advapi32\.[A-Za-z]+|KERNEL32\.CloseHandle|KERNEL32\.ExitProcess)\(' |
        sed -E 's/^[0-9a-f]+:[0-9a-f]+:Call //; s/ ret=[0-9a-f]+$//'
}

# The first line number (1-based) after $2 matching the pattern, or nothing.
first_after() {  # file after-line regex
    FIRST_AFTER_RE=$3 awk -v after="$2" 'NR > after && $0 ~ ENVIRON["FIRST_AFTER_RE"] { print NR; exit }' "$1"
}

# Judges one case from the driver's output and the program's calls; prints
# each fault and returns non-zero when there was one.
judge() {  # driver_log calls flags privileged questions forced
    local log=$1 calls=$2 flags=$3 privileged=$4 questions=$5 forced=$6
    local faults=0
    fault() { echo "    $*"; faults=$((faults + 1)); }

    grep -q '^ActionExit: acting now' "$log" || fault "the driver never acted (its checks before the action failed)"
    if grep -qE '^\[==========\] [0-9]+ tests? from' "$log"; then
        grep -q '^\[  PASSED  \] 1 test' "$log" || fault "the driver's test did not pass"
    elif [[ $forced == no ]]; then
        fault "the driver did not finish, though only windowed processes should have ended"
    fi

    local exits
    exits=$(grep -c '^user32\.ExitWindowsEx(' "$calls")
    [[ $exits == 1 ]] || fault "ExitWindowsEx called $exits times, not once"
    local at
    at=$(first_after "$calls" 0 '^user32\.ExitWindowsEx\(')
    if [[ -z $at ]]; then
        at=0
    else
        [[ $(sed -n "${at}p" "$calls") == "user32.ExitWindowsEx($flags,ffffffff)" ]] ||
            fault "expected ExitWindowsEx($flags,ffffffff), the program called $(sed -n "${at}p" "$calls")"
        local removed
        removed=$(first_after "$calls" "$at" '^shell32\.Shell_NotifyIconA\(00000002,')
        if [[ -z $removed ]]; then
            fault "no Shell_NotifyIconA(NIM_DELETE) after ExitWindowsEx"
        elif [[ -z $(first_after "$calls" "$removed" '^KERNEL32\.ExitProcess\(') ]]; then
            fault "the program did not end itself after removing its icon"
        fi
    fi

    local before=$work/before
    head -n "$(( at > 0 ? at - 1 : 0 ))" "$calls" >"$before"
    if [[ $privileged == yes ]]; then
        local open lookup adjust handle
        open=$(first_after "$before" 0 '^advapi32\.OpenProcessToken\(ffffffffffffffff,00000028,')
        lookup=$(first_after "$before" "${open:-0}" '^advapi32\.LookupPrivilegeValueA\([0-9a-f]+ "",[0-9a-f]+ "SeShutdownPrivilege",')
        adjust=$(first_after "$before" "${lookup:-0}" '^advapi32\.AdjustTokenPrivileges\([0-9a-f]+,00000000,[0-9a-f]+,00000010,')
        if [[ -z $open || -z $lookup || -z $adjust ]]; then
            fault "the shutdown privilege was not enabled in order before ExitWindowsEx (open=${open:-none} lookup=${lookup:-none} adjust=${adjust:-none})"
        else
            handle=$(sed -n "${adjust}p" "$before" | sed -E 's/^[^(]*\(([0-9a-f]+),.*/\1/')
            [[ -n $(first_after "$before" "$adjust" "^KERNEL32\\.CloseHandle\\($handle\\)") ]] ||
                fault "the token $handle was not closed before ExitWindowsEx"
        fi
    elif grep -qE '^advapi32\.(OpenProcessToken|LookupPrivilegeValueA|AdjustTokenPrivileges)\(' "$calls"; then
        fault "privilege calls although this action needs none: $(grep -E '^advapi32\.' "$calls" | tr '\n' ' ')"
    fi

    local asked asked_before
    asked=$(grep -c '^user32\.MessageBoxA(' "$calls")
    asked_before=$(grep -c '^user32\.MessageBoxA(' "$before")
    [[ $asked == "$questions" && $asked_before == "$questions" ]] ||
        fault "$asked message boxes ($asked_before before ExitWindowsEx), expected $questions"
    # A Yes/No question (MB_YESNO) with the program's title.
    if grep '^user32\.MessageBoxA(' "$calls" | grep -qv '"Quellar 2000",00000004)$'; then
        fault "a message box other than the Yes/No question: $(grep '^user32\.MessageBoxA(' "$calls" | tr '\n' ' ')"
    fi
    return $(( faults > 0 ))
}

run_case() {  # name test flags privileged questions forced version
    local name=$1 test=$2 flags=$3 privileged=$4 questions=$5 forced=$6 version=$7
    local case_work=$work/$name
    local out=$out_root/action-$name
    mkdir -p "$case_work" "$out"
    local started
    started=$(now_ms)

    if ! wine_session_start "$case_work" "$template"; then
        wine_session_stop
        echo "FAIL $name: no Wine session"
        return 1
    fi
    local app_dir=$WINEPREFIX/drive_c/quellar
    mkdir -p "$app_dir"
    cp "$program_exe" "$driver_exe" "$app_dir/"
    local program_name driver_name
    program_name=$(basename "$program_exe")
    driver_name=$(basename "$driver_exe")
    # Read by each process as it starts; this also starts the prefix, so the
    # wineserver and the desktop are not children of the traced program.
    timeout 60 wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d "$relay_include" /f >/dev/null 2>&1 ||
        echo "    could not set RelayInclude"
    # Windows 9x has no privileges to enable.
    if [[ -n $version ]]; then
        timeout 60 wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1 ||
            echo "    could not set the Windows version"
    fi

    local log=$case_work/driver.log trace=$case_work/trace.log
    (
        cd "$app_dir" &&
            QUELLAR_OWN_PREFIX=1 QUELLAR_PROGRAM_WINEDEBUG=+relay,+pid timeout -k 5 "$driver_timeout" \
                wine "C:\\quellar\\$driver_name" "--quellar-exe=C:\\quellar\\$program_name" \
                "--gtest_filter=ActionExit.$test" --gtest_color=no >"$log.raw" 2>"$trace"
    ) &
    runner_pid=$!
    wait "$runner_pid"
    runner_pid=
    tr -d '\r' <"$log.raw" >"$log"
    # Whatever the action left running goes its own way first.
    WINEPREFIX=$WINEPREFIX timeout "$end_timeout" wineserver -w 2>/dev/null
    local emptied=$?
    wine_session_stop

    local pid
    pid=$(sed -n 's/^ActionExit: program pid \([0-9a-f]*\)$/\1/p' "$log" | head -n 1)
    local calls=$out/calls.txt
    if [[ -n $pid ]]; then program_calls "$trace" "$pid" >"$calls"; else : >"$calls"; fi
    cp "$log" "$out/driver.log"

    local verdict=PASS report
    if [[ -z $pid ]]; then
        report="    the driver did not start the program"$'\n'"$(sed 's/^/    | /' "$log" | tail -n 20)"
        verdict=FAIL
    elif ! report=$(judge "$log" "$calls" "$flags" "$privileged" "$questions" "$forced"); then
        verdict=FAIL
    fi
    local took=$(( $(now_ms) - started ))
    printf '%s %-17s %6d ms  program %s, prefix %s\n' "$verdict" "$name" "$took" "${pid:-?}" \
        "$([[ $emptied == 0 ]] && echo "ended" || echo "still busy after ${end_timeout}s")"
    if [[ $verdict == FAIL ]]; then
        echo "$report"
        grep -E '^\[  FAILED  \]|Failure|Expected|Actual|Which is|Value of' "$log" | sed 's/^/    | /' | head -n 20
        echo "    (driver output and the program's calls: $out)"
        rm -rf "$case_work"
        return 1
    fi
    rm -rf "$case_work"
    return 0
}

wanted=("$@")
passed=0
failed=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name test flags privileged questions forced version <<<"$entry"
    if (( ${#wanted[@]} > 0 )); then
        match=no
        for w in "${wanted[@]}"; do [[ $w == "$name" ]] && match=yes; done
        [[ $match == yes ]] || continue
    fi
    if run_case "$name" "$test" "$flags" "$privileged" "$questions" "$forced" "$version"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
done
if (( passed + failed == 0 )); then
    echo "run-action: no case matches: $*" >&2
    exit 65
fi
echo "run-action: $passed passed, $failed failed"
(( failed == 0 ))
