#!/usr/bin/env bash
# Packs the release into OUT_DIR: Quellar-VERSION-win32.zip (the i686 exe)
# and Quellar-VERSION-win64.zip (the x86_64 exe), each with help.html,
# README.txt and LICENSE (both with CRLF line ends, which Notepad before
# Windows 10 needs), and SHA256SUMS over both. The zips are the same bytes at
# every run of one commit: the files are dated from the commit (its committer
# time, or $SOURCE_DATE_EPOCH), in a fixed order, with no owner data. The
# version is the project's, from CMakeLists.txt.
# usage: scripts/dist.sh BUILD_DIR OUT_DIR   (BUILD_DIR holds i686/ and x86_64/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
version=$(sed -n 's/^project(Quellar2000 VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || true)}
[[ -n $epoch ]] || { echo "dist: no commit to date the files from; set SOURCE_DATE_EPOCH" >&2; exit 1; }
stage=$(mktemp -d "${TMPDIR:-/tmp}/quellar-dist.XXXXXX")
trap 'rm -rf "$stage"' EXIT
zips=()
for pair in win32:i686 win64:x86_64; do
    zip=Quellar-$version-${pair%%:*}.zip
    files=$stage/${pair%%:*}
    mkdir -p "$files"
    cp "$build/${pair#*:}/Quellar.exe" "$build/${pair#*:}/help.html" "$files/"
    sed "s/@VERSION@/$version/g; s/\r*\$/\r/" "$here/resources/README.txt" >"$files/README.txt"
    sed 's/\r*$/\r/' "$here/LICENSE" >"$files/LICENSE"
    chmod 644 "$files"/*
    touch -d "@$epoch" "$files"/*
    rm -f "$out/$zip"
    (cd "$files" && TZ=UTC zip -X -q "$out/$zip" Quellar.exe help.html README.txt LICENSE)
    zips+=("$zip")
done
(cd "$out" && sha256sum "${zips[@]}" >SHA256SUMS)
echo "$out: ${zips[*]} SHA256SUMS"
