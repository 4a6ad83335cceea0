# Which Wine this host runs, to be sourced by bash. Some kernels run no
# 32-bit programs (IA-32 emulation off: "Exec format error"). There Debian's
# `wine` fails for every exe once wine32:i386 is installed, because it always
# prefers the 32-bit loader, so such a host runs Wine's 64-bit loader directly
# and cannot run the i686 release at all.
#
#   wine_host_32bit          status 0 when 32-bit programs run here; else prints why not
#   wine_host_can_run EXE    status 0 when this host runs the exe; else prints why not
#   wine_host_use            makes `wine` the loader this host runs (WINELOADER, if set, wins)
#
# QUELLAR_NO_32BIT=1 gives the answer "no 32-bit programs" on any host, so
# that both roads can be tried on one machine.

wine_host_loader32=/usr/lib/wine/wine
wine_host_loader64=/usr/lib/wine/wine64

wine_host_32bit() {
    if [[ -n ${QUELLAR_NO_32BIT:-} ]]; then
        echo "QUELLAR_NO_32BIT is set"
        return 1
    fi
    if [[ ! -x $wine_host_loader32 ]]; then
        echo "32-bit Wine is not installed (the package wine32:i386)"
        return 1
    fi
    local answer
    if ! answer=$("$wine_host_loader32" --version 2>&1); then
        echo "this kernel runs no 32-bit programs (IA-32 emulation is off: ${answer##*: })"
        return 1
    fi
}

# The machine in the exe's PE header: 014c is 32-bit x86.
wine_host_can_run() {  # exe
    local header machine
    header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j $((header + 4)) -N 2 "$1" | tr -d ' ')
    [[ $machine != 014c ]] || wine_host_32bit
}

# Where Debian's wrapper would pick a loader that cannot run, `wine` becomes
# a shim that runs $WINELOADER, which Wine also uses for the processes it starts.
wine_host_use() {
    if [[ -z ${WINELOADER:-} ]] && ! wine_host_32bit >/dev/null; then
        export WINELOADER=$wine_host_loader64
    fi
    if [[ -n ${WINELOADER:-} && :$PATH: != *":$wine_host_shims:"* ]]; then
        export PATH=$wine_host_shims:$PATH
    fi
}
wine_host_shims=$(cd "$(dirname "${BASH_SOURCE[0]}")/wine-loader" && pwd)
