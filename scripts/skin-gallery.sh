#!/usr/bin/env bash
# Builds the skin gallery (a skinned popup with every kind of item over a
# skinned owner) and saves a picture of the popup, on a private Xvfb, to
# build/skin-gallery.png (or the path given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
picture=${1:-$root/build/skin-gallery.png}

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target skin_gallery -j 2

. scripts/wine-env.sh
. scripts/window-capture.sh
vorn_ensure_prefix
unset DISPLAY
vorn_ensure_display
trap vorn_stop_display EXIT
VORN_WINDOW_NAME='^怪物列表$'
vorn_capture_window "$root/build/win64/skin_gallery.exe" "$picture"
