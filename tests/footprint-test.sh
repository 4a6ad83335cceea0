#!/usr/bin/env bash
# The release stays small: its link map names neither the standard library's
# throwing helpers (functexcept.o, with the exception classes and a second
# string) nor its verbose terminate handler and demangler, which
# platform/win32/NoExceptions.cpp keeps out (135 KB), and the exe is at most
# 160 KB: 128 KB of program and 25 KB of icon frames.
# usage: footprint-test.sh I686_BUILD_DIR
set -euo pipefail
map=$1/Quellar.map exe=$1/Quellar.exe limit=$((160 * 1024))
[[ -s $map ]] || { echo "footprint: no link map $map" >&2; exit 1; }
linked=$(grep -oE 'lib(stdc\+\+|supc\+\+)\.a\((functexcept|vterminate|cp-demangle)\.o\)' "$map" | sort -u || true)
size=$(stat -c %s "$exe")
echo "footprint: $exe is $size bytes (at most $limit); exception objects linked: ${linked:-none}"
[[ -z $linked && $size -le $limit ]]
