#!/usr/bin/env bash
# The release as a user downloads it: each zip holds the exe, help.html,
# README.txt and LICENSE with CRLF line ends, every file dated from the
# commit; SHA256SUMS checks both; the zips come out the same at every run;
# and the release built a second time, from a copy of the sources in another
# folder, is the same exe to the byte.
# usage: release-test.sh BUILD_DIR   (holding i686/ and x86_64/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/quellar-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "release: $*" >&2; exit 1; }
"$here/scripts/dist.sh" "$build" "$work/a" && "$here/scripts/dist.sh" "$build" "$work/b" >/dev/null
(cd "$work/a" && sha256sum -c SHA256SUMS)
cmp "$work/a/SHA256SUMS" "$work/b/SHA256SUMS" || fail "two runs of dist gave different zips"
for pair in win32:i686 win64:x86_64; do
    zip=$(echo "$work"/a/Quellar-*-"${pair%%:*}".zip)
    [[ $(unzip -Z1 "$zip" | tr '\n' ' ') == "Quellar.exe help.html README.txt LICENSE " ]] || fail "$zip holds $(unzip -Z1 "$zip")"
    unzip -p "$zip" Quellar.exe | cmp - "$build/${pair#*:}/Quellar.exe" || fail "$zip: another exe"
    for text in README.txt LICENSE; do
        [[ $(unzip -p "$zip" $text | grep -vc $'\r$') == 0 ]] || fail "$zip: $text without CRLF"
    done
    # Zips keep times to two seconds, here in UTC.
    committed=$(git -C "$here" log -1 --format=%ct)
    for dated in $(TZ=UTC zipinfo -T "$zip" | awk '/^-/ { print $7 }'); do
        zipped=$(TZ=UTC date -d "${dated:0:8} ${dated:9:2}:${dated:11:2}:${dated:13:2}" +%s)
        ((zipped - committed <= 1 && committed - zipped <= 1)) || fail "$zip: a file dated $dated, not at the commit"
    done
done
mkdir "$work/src"
tar -C "$here" --exclude=./build --exclude=./dist --exclude=./.git -c . | tar -C "$work/src" -x
cmake -S "$work/src" -B "$work/again" -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$work/again" --target Quellar -j "$(nproc)" >/dev/null
cmp "$work/again/Quellar.exe" "$build/i686/Quellar.exe" || fail "a second build of the release differs"
echo "release: both zips check, dist is repeatable, and a second build of the release is the same exe"
