#!/usr/bin/env bash
# Runs CTest with these arguments, in a build folder, and just before CTest's
# own summary (still the last thing printed) the run's figures: each Wine
# group's time, the slowest start of the program under Wine and the slowest
# box or menu to appear, and every group that was skipped, with why. Figures
# to watch, not judged; CTest's summary gives the total test time.
# usage: run-tests.sh CTEST-ARGUMENTS...
set -o pipefail
slowest() {  # what: the largest figure of that name in the groups' logs, with its group
    grep -H "^slowest start" e2e-logs/*/driver.log 2>/dev/null |
        sed -n "s|^e2e-logs/\([^/]*\)/.*$1 \([0-9]*\) ms.*|\2 ms (e2e_\1)|p" | sort -n | tail -n 1
}
figures() {  # the group times, "name seconds" a line
    echo "Figures of this run:"
    echo "  Wine groups, slowest first: $(sort -k2 -rn | awk '{ printf "%s%s %.0f s", n++ ? ", " : "", $1, $2 }')"
    echo "  slowest start of Quellar.exe $(slowest 'slowest start'), slowest box or menu to appear $(slowest 'to appear')"
    local skipped
    skipped=$(grep -H . e2e-logs/*/skipped 2>/dev/null | sed 's|^e2e-logs/\([^/]*\)/skipped:\(.*\)|\2\t e2e_\1|' | sort)
    [[ -z $skipped ]] || awk -F'\t' '{ groups[$1] = groups[$1] $2 } END { for (why in groups) printf "  SKIPPED:%s: %s\n", groups[why], why }' <<<"$skipped"
}
rm -rf e2e-logs
# Line by line, so that the progress shows as it comes.
ctest --output-on-failure "$@" | {
    summary= times=
    while IFS= read -r line; do
        [[ -z $summary && $line =~ ^[0-9]+%\ tests\ passed ]] && summary=$line$'\n' && continue
        if [[ -n $summary ]]; then summary+=$line$'\n'; else printf '%s\n' "$line"; fi
        [[ $line =~ Test\ +\#[0-9]+:\ (e2e_[^ ]+)\ .*\ ([0-9.]+)\ sec$ && $line != *Skipped* ]] &&
            times+="${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"$'\n'
    done
    figures <<<"${times%$'\n'}"
    printf '\n%s' "$summary"
}
