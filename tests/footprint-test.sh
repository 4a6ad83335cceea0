#!/usr/bin/env bash
# The release stays small and carries no exception machinery, since nothing in
# it throws or catches. Its link map must name none of these:
# - libstdc++'s throwing helpers (functexcept.o, with the exception classes and
#   a second string), its verbose terminate handler (vterminate.o) and
#   demangler (cp-demangle.o): platform/win32/NoExceptions.cpp replaces them;
# - its allocation functions (new_op*.o, del_op*.o), the exception classes
#   they throw (bad_*.o) and std::set_new_handler (new_handler.o), which the
#   program's own forms in platform/win32/Allocation.cpp would ignore;
# - its std::string members (string-inst.o), built with landing pads:
#   platform/win32/StringMembers.cpp compiles them without;
# - the exception runtime (eh_*.o: the personality routine, __cxa_throw,
#   __cxa_begin_catch, terminate), type_info (tinfo.o, *type_info.o) and
#   libgcc_eh.a, the unwinder (unwind-dw2*.o, unwind-seh.o) and emutls.o;
#   nor the symbols __gxx_personality_*, _Unwind_* or __cxa_* that throw,
#   catch or terminate;
# - a DWARF frame table (.eh_frame) of any object but crtbegin.o and crtend.o,
#   which platform/win32/FrameTables.ld keeps out: only the unwinder reads them.
# They came to 71 KB. The exe is at most 85 KB: 53 KB of program and 29 KB of
# icon frames, version block and manifest.
# usage: footprint-test.sh I686_BUILD_DIR
set -euo pipefail
map=$1/Quellar.map exe=$1/Quellar.exe limit=$((85 * 1024))
[[ -s $map ]] || { echo "footprint: no link map $map" >&2; exit 1; }
members='functexcept|vterminate|cp-demangle|string-inst|(new|del)_op[a-z]*|bad_[a-z_]+|new_handler'
members+='|eh_[a-z_]+|tinfo2?|[a-z_]*type_info'
linked=$(grep -oE "lib(stdc\+\+|supc\+\+)\.a\(($members)\.o\)|libgcc_eh\.a\([^)]*\)" "$map" | sort -u || true)
symbols=$(grep -oE '\b_*(__gxx_personality_[a-z0-9]+|__cxa_[a-z_]*(throw|catch|exception|terminate|unexpected)[a-z_]*|_Unwind_[A-Za-z_]+)\b' "$map" |
    sort -u || true)
tables=$(awk '/^\.eh_frame / { f = 1; next } /^\.[a-z]/ { f = 0 } f && /0x[0-9a-f]+ +0x[0-9a-f]+ +[^ ]+$/ { print $NF }' "$map" |
    grep -vE '/crt(begin|end)\.o$' | sed 's|.*/||' | sort -u || true)
size=$(stat -c %s "$exe")
echo "footprint: $exe is $size bytes (at most $limit)"
echo "exception objects linked: ${linked:-none}"
echo "exception symbols linked: ${symbols:-none}"
echo "frame tables linked: ${tables:-crtbegin.o and crtend.o only}"
[[ -z $linked && -z $symbols && -z $tables && $size -le $limit ]]
