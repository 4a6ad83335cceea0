# A private Wine session for tests and benchmarks, to be sourced by bash:
# its own X display (Xvfb), a fresh prefix copied from a cached template in
# which Wine's virtual desktop is the default desktop, and a clean stop.
# What a test session depends on is set here, not taken from the host: the
# language, Wine's debug channels, and the fonts Wine may find.
#
#   wine_session_start WORKDIR TEMPLATE   exports DISPLAY, WINEPREFIX and friends
#   wine_session_prepare WORKDIR TEMPLATE the display and the template only
#   wine_session_stop                     ends the prefix's processes and Xvfb
#   wine_session_boot PREFIX LOG          makes a new prefix, and proves it runs
#   wine_session_desktop                  makes Wine's virtual desktop, with its tray, the default
#   wine_session_template_of TEMPLATE     the template's folder for this user
#
# Every wait is bounded; the caller should call wine_session_stop from an
# EXIT trap. `wine` is the loader this host runs (wine-host.sh).

source "$(dirname "${BASH_SOURCE[0]}")/wine-host.sh"
wine_host_use || return 1

export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_session_xvfb_pid=
wine_session_work=

wine_session_now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

wine_session_end_prefix() {  # $1: the prefix whose processes must end
    WINEPREFIX=$1 timeout 10 wineserver -k 2>/dev/null || true
    WINEPREFIX=$1 timeout 10 wineserver -w 2>/dev/null || true
    # A Wine process can outlive its server (winedevice.exe once did, on a
    # loaded host, spinning): every Wine process of the prefix ends by PID.
    local environ pid
    for environ in $(grep -lsxzF "WINEPREFIX=$1" /proc/[0-9]*/environ); do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */wine* ]] && kill -9 "$pid" 2>/dev/null || true
    done
}

# Xvfb picks a free display number and tells us which.
wine_session_display() {
    local fd_file=$wine_session_work/display
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>"$wine_session_work/xvfb.log" &
    wine_session_xvfb_pid=$!
    local tries=0
    until [[ -s $fd_file ]]; do
        if (( ++tries > 100 )) || ! kill -0 "$wine_session_xvfb_pid" 2>/dev/null; then
            echo "wine-session: Xvfb did not start" >&2
            cat "$wine_session_work/xvfb.log" >&2
            return 70
        fi
        sleep 0.1
    done
    export DISPLAY=:$(tr -d '[:space:]' <"$fd_file")
}

# Wine's own fonts (MS Sans Serif, Marlett for the caption buttons, ...) where
# the prefix looks for them, as on Windows: this Wine does not find them in
# its data folder, and would draw everything in a host font of other widths.
wine_session_wine_fonts() {
    local folder
    for folder in "$(dirname "$(realpath "$wine_host_loader")")/../share/wine/fonts" /usr/share/wine/fonts \
        /usr/share/wine/wine/fonts; do
        [[ -f $folder/sserife.fon && -f $folder/tahoma.ttf && -f $folder/marlett.ttf ]] && { realpath "$folder"; return 0; }
    done
    echo "wine-session: Wine's own fonts (sserife.fon, tahoma.ttf, marlett.ttf) are not installed" \
        "(Debian: fonts-wine)" >&2
    return 1
}

wine_session_fonts() {
    local fonts=$1/drive_c/windows/Fonts from
    from=$(wine_session_wine_fonts) || return 1
    mkdir -p "$fonts"
    cp -n "$from"/* "$fonts/" 2>/dev/null || true
}

# The host's fonts that Wine may take where a face is missing: Liberation,
# made to Arial's widths, and nothing else, neither the host's other fonts
# nor a user's own, so that every host and account measures alike.
wine_session_host_fonts() {  # workdir
    local liberation=/usr/share/fonts/truetype/liberation
    if [[ ! -f $liberation/LiberationSans-Regular.ttf ]]; then
        echo "wine-session: the Liberation fonts are not installed in $liberation (Debian: fonts-liberation)" >&2
        return 1
    fi
    printf '<?xml version="1.0"?>\n<fontconfig>\n  <dir>%s</dir>\n  <cachedir>%s</cachedir>\n</fontconfig>\n' \
        "$liberation" "$1/fontconfig" >"$1/fonts.conf"
    export FONTCONFIG_FILE=$1/fonts.conf
}

# What the prefix depends on: the Wine packages installed, the 32-bit ones
# included, and the loader that runs them. A template made by another
# installation fails to start.
wine_session_installation() {
    { echo "loader $wine_host_loader"; wine --version; dpkg-query -W -f '${Package}:${Architecture} ${Version} ${db:Status-Status}\n' 'wine*' 'libwine*' 2>/dev/null |
        grep ' installed$'; } | md5sum | cut -d' ' -f1
}

# A new prefix, used only once it has proved itself: wineboot succeeded,
# system32 is there and a trivial program answers. A wineboot that failed
# still leaves a folder that looks made. Otherwise it says so, naming the
# prefix, with wineboot's last lines.
wine_session_boot() {  # prefix log
    local prefix=$1 log=$2 status=0
    mkdir -p "$(dirname "$prefix")"
    WINEPREFIX=$prefix timeout 180 wine wineboot -i >"$log" 2>&1 || status=$?
    WINEPREFIX=$prefix timeout 60 wineserver -w 2>/dev/null || true
    if ((status == 0)) && [[ -d $prefix/drive_c/windows/system32 ]] &&
        WINEPREFIX=$prefix timeout 60 wine cmd /c echo quellar-prefix-answers 2>>"$log" | grep -q quellar-prefix-answers; then
        return 0
    fi
    echo "wine-session: the boot of the Wine prefix $prefix failed (wineboot's status $status, loader ${WINELOADER:-wine}); its last lines:" >&2
    if [[ -s $log ]]; then tail -n 12 "$log" | sed 's/^/    /' >&2; else echo "    (none)" >&2; fi
    WINEPREFIX=$prefix timeout 10 wineserver -k 2>/dev/null || true
    return 70
}

# Wine's taskbar with its tray on a desktop of its own, shared by every
# process of the prefix, where no window manager shows a tray.
wine_session_desktop() {
    timeout 30 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1 &&
        timeout 30 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 800x600 /f >/dev/null 2>&1
}

# The template is booted once per Wine installation and user (another
# user's files cannot be linked), and reused by copying. One from another
# installation, or without its system folder, is made anew. It also keeps
# whether it runs 32-bit programs, found out once.
wine_session_template_of() { echo "$(realpath -m "$1").uid$(id -u)"; }

wine_session_template_good() {  # template installation
    [[ -f $1/.quellar-template && $(cat "$1/.quellar-template") == "$2" && -d $1/drive_c/windows/system32 ]]
}

wine_session_template() {
    local template
    template=$(wine_session_template_of "$1")
    local installation
    installation=$(wine_session_installation)
    wine_session_template_good "$template" "$installation" && return 0
    mkdir -p "$(dirname "$template")"
    exec 9>"$template.lock"
    flock -w 180 9 || { echo "wine-session: template lock timed out" >&2; return 75; }
    if ! wine_session_template_good "$template" "$installation"; then
        local fresh
        fresh=$(mktemp -d "$template.new.XXXXXX")
        if ! wine_session_boot "$fresh" "$fresh.boot.log" || ! (
            export WINEPREFIX=$fresh
            wine_session_desktop && { QUELLAR_NO_32BIT='' wine_host_32bit "$fresh" >/dev/null || true; } &&
                timeout 60 wineserver -w
        ) || ! wine_session_fonts "$fresh"; then
            wine_session_end_prefix "$fresh"
            rm -rf "$fresh" "$fresh.boot.log"
            exec 9>&-
            echo "wine-session: could not prepare the Wine prefix template $template" >&2
            return 70
        fi
        rm -f "$fresh.boot.log"
        echo "$installation" >"$fresh/.quellar-template"
        rm -rf "$template"
        mv "$fresh" "$template"
    fi
    exec 9>&-
}

# A prefix like the template. Its system folders, most of its size, are hard
# links to the template's, which nothing writes to; the rest (the registry,
# .ini files, the profile), which Wine may rewrite in place, is copied. Where
# no link can be made (another file system, such as a /tmp in memory), all
# of it is copied.
wine_session_copy() {  # template destination
    local from=$1 to=$2 entry
    if ! cp -al "$from" "$to" 2>/dev/null; then
        rm -rf "$to"
        cp -a "$from" "$to"
        return
    fi
    for entry in "$to"/* "$to"/drive_c/* "$to"/drive_c/windows/*; do
        case ${entry#"$to"/} in
            drive_c | drive_c/windows | drive_c/windows/system32 | drive_c/windows/syswow64 | drive_c/windows/winsxs) ;;
            *) rm -rf "$entry" && cp -a "$from/${entry#"$to"/}" "$entry" ;;
        esac
    done
}

wine_session_prepare() {  # workdir template
    # Not the host's: Wine's messages, the system's words and the keyboard's
    # letters in one language everywhere.
    export WINEDEBUG=-all LC_ALL=C.UTF-8 LANG=C.UTF-8
    unset LANGUAGE WINESERVER
    wine_session_work=$1
    mkdir -p "$wine_session_work"
    # Wine keeps its server's folder in TMPDIR, where it outlives the server:
    # the session's goes with the session.
    export TMPDIR=$wine_session_work/tmp
    mkdir -p "$TMPDIR"
    wine_session_host_fonts "$wine_session_work" || return
    wine_session_display || return
    wine_session_template "$2"
}

wine_session_start() {  # workdir template
    wine_session_prepare "$1" "$2" || return
    wine_session_copy "$(wine_session_template_of "$2")" "$wine_session_work/prefix"
    export WINEPREFIX=$wine_session_work/prefix
}

wine_session_stop() {
    if [[ -n $wine_session_work && -d $wine_session_work/prefix ]]; then
        wine_session_end_prefix "$wine_session_work/prefix"
    fi
    if [[ -n $wine_session_xvfb_pid ]]; then
        kill "$wine_session_xvfb_pid" 2>/dev/null || true
        timeout 5 tail --pid="$wine_session_xvfb_pid" -f /dev/null 2>/dev/null ||
            kill -9 "$wine_session_xvfb_pid" 2>/dev/null || true
        wine_session_xvfb_pid=
    fi
}
