#!/usr/bin/env bash
# Installs what building, running and testing need on Debian, only when
# something is missing. --artwork adds what regenerating the artwork needs.
# Never installs wine32: it cannot run here and would replace /usr/bin/wine.
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine64 fonts-wine xvfb x11-utils xdotool imagemagick fonts-noto-cjk
)
if [ "${1:-}" = --artwork ]; then
    packages+=(python3-pil python3-numpy)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
