#!/usr/bin/env bash
# The Wine prefix that every group and benchmark copies, booted once before
# them (a CTest fixture), so that no group's time limit pays for it; booting
# it also finds out whether this host runs 32-bit programs.
# usage: template.sh TEMPLATE
set -euo pipefail
source "$(dirname "$(realpath "$0")")/../scripts/wine-session.sh"
unset WINEPREFIX DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-template.XXXXXX")
trap 'status=$?; trap "" TERM INT; wine_session_stop; rm -rf "$work"; exit $status' EXIT
trap 'exit 143' TERM INT
wine_session_prepare "$work" "$1"
template=$(wine_session_template_of "$1")
if reason=$(QUELLAR_NO_32BIT='' wine_host_32bit "$template"); then reason="32-bit programs run"; fi
echo "the template $template is ready ($reason)"
