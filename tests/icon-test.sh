#!/bin/bash
# Checks the frames of the program icon: 16 colours at 16 and 32 px first
# (older Windows take the first good match), 32-bit at every size, 48 to 256 as
# PNG (which only Vista and later read: elsewhere the program falls back to 32).
# Usage: icon-test.sh path/to/Quellar.ico
ico=${1:?usage: $0 Quellar.ico}
# Little-endian number of $2 bytes at offset $1 (od alone would use host order).
num() { local v=0 i b; read -ra b <<< "$(od -An -v -tu1 -j "$1" -N "$2" "$ico")"; for ((i = $2 - 1; i >= 0; i--)); do v=$((v * 256 + b[i])); done; echo $v; }
[ "$(num 0 4)" = 65536 ] || { echo "FAIL: $ico is not an icon file"; exit 1; }
found=()
for ((i = 0; i < $(num 4 2); i++)); do
    e=$((6 + 16 * i)); w=$(num $e 1) h=$(num $((e + 1)) 1)
    bits=$(num $((e + 6)) 2) at=$(num $((e + 12)) 4)
    if [ "$(od -An -tx1 -j "$at" -N 8 "$ico" | tr -d ' \n')" = 89504e470d0a1a0a ]; then kind=PNG
    elif [ "$(num "$at" 4)/$(num $((at + 4)) 4)/$(num $((at + 14)) 2)" = "40/$w/$bits" ]; then kind=BMP
    else kind=BAD; fi
    found+=("$((w ? w : 256))x$((h ? h : 256))/${bits}bpp/$kind")
    echo "frame $i: ${found[-1]}"
done
want=(16x16/4bpp/BMP 32x32/4bpp/BMP 16x16/32bpp/BMP 20x20/32bpp/BMP 24x24/32bpp/BMP
      32x32/32bpp/BMP 40x40/32bpp/BMP 48x48/32bpp/PNG 64x64/32bpp/PNG 256x256/32bpp/PNG)
sorted() { printf '%s\n' "$@" | sort; }
if [ "$(sorted "${found[@]}")" != "$(sorted "${want[@]}")" ]; then
    echo "FAIL: wanted ${want[*]}"; exit 1
elif [[ "${found[0]}${found[1]}" != *4bpp*4bpp* ]]; then
    echo "FAIL: the 16-colour frames must come first"; exit 1
fi
echo "PASS: $ico has all ${#found[@]} frames"
