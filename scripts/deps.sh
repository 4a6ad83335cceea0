#!/usr/bin/env bash
# Makes sure the tools for a purpose are installed: "build" (the native and
# MinGW-w64 builds with their tests), "wine" or "test" (also Wine and Xvfb,
# with the 32-bit Wine that runs the i686 release).
# As root it installs what is missing with apt-get; otherwise it prints the
# command to run and fails.
set -euo pipefail

purpose=${1:-test}
build_pkgs=(cmake make g++ mingw-w64 googletest libgtest-dev zip unzip)
wine_pkgs=(wine wine64 wine32:i386 fonts-wine fonts-liberation xvfb xdotool imagemagick)

case "$purpose" in
  build) wanted=("${build_pkgs[@]}") ;;
  wine | test) wanted=("${build_pkgs[@]}" "${wine_pkgs[@]}") ;;
  *) echo "usage: $0 build|wine|test" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages: ${missing[*]}. This needs a Debian-based system with apt-get." >&2
  exit 1
fi
# The 32-bit packages come from the i386 architecture.
add_i386=""
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  add_i386="dpkg --add-architecture i386 && "
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:  sudo sh -c '${add_i386}apt-get update && apt-get install -y ${missing[*]}'" >&2
  exit 1
fi
echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
[ -z "$add_i386" ] || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
