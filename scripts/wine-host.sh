# Which Wine this host runs, to be sourced by bash. Packagings differ: Debian's
# `wine` wrapper always prefers its 32-bit loader, and so fails for every exe
# on a kernel that runs no 32-bit programs ("Exec format error"); others (the
# /opt/wine-* builds, a Wine with the new WoW64) have other loaders or one for
# both widths. So the loader is the first one found that answers, and whether
# 32-bit programs run is learnt by running one.
#
#   wine_host_use            makes `wine` a loader that runs here (WINELOADER, if it answers, wins);
#                            fails, saying why, when none does
#   wine_host_32bit [PREFIX] status 0 when a 32-bit program runs in the prefix ($WINEPREFIX);
#                            else prints why not. The answer is kept in the prefix.
#   wine_host_can_run EXE    the same for the exe, by the machine its PE header names
#
# QUELLAR_NO_32BIT=1 gives the answer "no 32-bit programs" on any host, so
# that both roads can be tried on one machine.

wine_host_shims=$(cd "$(dirname "${BASH_SOURCE[0]}")/wine-loader" && pwd)

wine_host_use() {
    [[ -z ${wine_host_loader:-} ]] || return 0
    local candidate
    # Debian keeps its 64-bit loader off the PATH.
    for candidate in "${WINELOADER:-}" "$(command -v wine)" "$(command -v wine64)" /usr/lib/wine/wine64; do
        [[ -n $candidate && -x $candidate ]] || continue
        WINELOADER=$candidate "$candidate" --version >/dev/null 2>&1 || continue
        wine_host_loader=$candidate
        # The first on the PATH runs as it is; another through the shim,
        # which runs $WINELOADER, as Wine does for the processes it starts.
        if [[ $candidate != "$(command -v wine)" ]]; then
            export WINELOADER=$candidate
            [[ :$PATH: == *":$wine_host_shims:"* ]] || export PATH=$wine_host_shims:$PATH
        fi
        return 0
    done
    echo "wine-host: no Wine loader answers here (tried WINELOADER, wine and wine64 on the PATH," \
        "/usr/lib/wine/wine64); install Wine (Debian: wine wine64), or set WINELOADER" >&2
    return 1
}

# Wine's own 32-bit cmd.exe answers, or it does not: then the reason, with
# what Wine said last.
wine_host_probe_32bit() {  # prefix
    local answer
    answer=$(WINEPREFIX=$1 timeout 60 wine 'C:\windows\syswow64\cmd.exe' /c echo quellar-32-bit-runs 2>&1)
    [[ $answer == *quellar-32-bit-runs* ]] && return 0
    local said=${answer//$'\r'/}
    said=$(tail -n 1 <<<"$said")
    if [[ -x /usr/lib/wine/wine ]] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo "this kernel runs no 32-bit programs (IA-32 emulation is off: Exec format error)"
    elif [[ ! -f $1/drive_c/windows/syswow64/cmd.exe ]]; then
        echo "this Wine has no 32-bit part (Debian: wine32:i386)${said:+; Wine said: $said}"
    else
        echo "this Wine runs no 32-bit program here${said:+; Wine said: $said}"
    fi
    return 1
}

wine_host_32bit() {  # [prefix]
    if [[ -n ${QUELLAR_NO_32BIT:-} ]]; then
        echo "QUELLAR_NO_32BIT is set"
        return 1
    fi
    local prefix=${1:-${WINEPREFIX:?wine_host_32bit needs a prefix}}
    local kept=$prefix/.quellar-32bit
    [[ -f $kept ]] || { wine_host_probe_32bit "$prefix" >"$kept.new"; mv "$kept.new" "$kept"; }
    [[ ! -s $kept ]] || { cat "$kept"; return 1; }
}

# The machine in the exe's PE header: 014c is 32-bit x86.
wine_host_can_run() {  # exe
    local header machine
    header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j $((header + 4)) -N 2 "$1" | tr -d ' ')
    [[ $machine != 014c ]] || wine_host_32bit
}
