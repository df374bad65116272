#!/usr/bin/env bash
# Regenerates docs/screenshot.png from the real window, on a private Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VornMonsterTool -j 2

. scripts/wine-env.sh
. scripts/window-capture.sh
vorn_ensure_prefix
unset DISPLAY  # always the same clean screen, whatever desktop we run from
vorn_ensure_display
trap vorn_stop_display EXIT
vorn_capture_window "$root/build/win64/VornMonsterTool.exe" "$root/docs/screenshot.png"
