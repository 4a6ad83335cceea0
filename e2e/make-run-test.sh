#!/usr/bin/env bash
# make run as a brand-new account meets it: scripts/run.sh with an empty HOME
# and no display, twice. Each time the window must come up and close through
# its question, and the script must end.
# usage: make-run-test.sh X86_64_BUILD
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/../scripts/wine-host.sh"
wine_host_use
export HOME
HOME=$(mktemp -d "${TMPDIR:-/tmp}/quellar-home.XXXXXX")
# Wine's server folder, which outlives the server, goes with the account.
export TMPDIR=$HOME/tmp
mkdir -p "$TMPDIR"
prefix=$HOME/.local/share/quellar-wine
run_pid=
cleanup() {
    trap '' TERM INT  # a signal to the whole group comes again while it cleans up
    [[ -z $run_pid ]] || kill "$run_pid" 2>/dev/null || true
    WINEPREFIX=$prefix timeout 10 wineserver -k 2>/dev/null || true
    rm -rf "$HOME"
}
trap cleanup EXIT
trap 'exit 143' TERM INT
for round in 1 2; do
    # A new account has none of these: without them run.sh takes the prefix above.
    env -u DISPLAY -u WINEPREFIX -u QUELLAR_WINEPREFIX -u XDG_DATA_HOME -u WINEDEBUG \
        "$here/../scripts/run.sh" "$1/Quellar.exe" >"$HOME/run.log" 2>&1 &
    run_pid=$!
    # run.sh names the display it started, prepares the prefix once, and says
    # when the prefix is ready for Quellar (and so for the driver beside it).
    for _ in $(seq 600); do
        [[ -f $prefix/.quellar-prefix ]] && grep -q '^Starting .*Quellar.exe$' "$HOME/run.log" && break
        kill -0 "$run_pid" 2>/dev/null || break
        sleep 0.2
    done
    display=$(sed -n 's/.*inside Xvfb on \(:[0-9]*\).*/\1/p' "$HOME/run.log")
    [[ -n $display && -f $prefix/.quellar-prefix ]] || { echo "round $round: make run failed:"; cat "$HOME/run.log"; exit 1; }
    cp "$1/quellar_e2e.exe" "$prefix/drive_c/"
    (cd "$prefix/drive_c" && DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all timeout 150 wine 'C:\quellar_e2e.exe' make-run) |
        tr -d '\r' | tee "$HOME/driver.log"
    grep -qx 'make-run: 1 scenarios, 0 failed' "$HOME/driver.log"
    timeout 60 tail --pid="$run_pid" -f /dev/null || { echo "round $round: run.sh did not end"; exit 1; }
    wait "$run_pid" || { cat "$HOME/run.log"; exit 1; }
    run_pid=
    echo "round $round: the window came up, closed through its question, and make run ended"
done
