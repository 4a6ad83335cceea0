#!/usr/bin/env bash
# Runs CTest with these arguments, in a build folder, and just before CTest's
# own summary (still the last thing printed) the run's figures: the slowest
# start of the program under Wine, and the slowest box or menu to appear,
# over every group that ran. Figures to watch, not judged; CTest's summary
# gives the total test time.
# usage: run-tests.sh CTEST-ARGUMENTS...    (--figures: the figures alone)
set -o pipefail
slowest() {  # what: the largest figure of that name in the groups' logs, with its group
    grep -H "^slowest start" e2e-logs/*/driver.log 2>/dev/null |
        sed -n "s|^e2e-logs/\([^/]*\)/.*$1 \([0-9]*\) ms.*|\2 ms (e2e_\1)|p" | sort -n | tail -n 1
}
if [[ $1 == --figures ]]; then
    echo "Figures of this run: slowest start of Quellar.exe $(slowest 'slowest start'), slowest box or menu to appear $(slowest 'to appear')"
    exit 0
fi
rm -rf e2e-logs
# Line by line, so that the progress shows as it comes.
ctest --output-on-failure "$@" | {
    summary=
    while IFS= read -r line; do
        [[ -z $summary && $line =~ ^[0-9]+%\ tests\ passed ]] && summary=$line$'\n' && continue
        if [[ -n $summary ]]; then summary+=$line$'\n'; else printf '%s\n' "$line"; fi
    done
    "$0" --figures
    printf '\n%s' "$summary"
}
