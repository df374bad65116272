#!/usr/bin/env bash
# Builds the Windows x64 program and runs it under wine64.
# With a display: the program runs until you close it.
# Without one: it runs on a private Xvfb, a picture of its window is saved to
# build/run-screenshot.png, and the program and the Xvfb are stopped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VornMonsterTool -j 2
program=$root/build/win64/VornMonsterTool.exe

. scripts/wine-env.sh
vorn_ensure_prefix
if [ -n "${DISPLAY:-}" ]; then
    exec "$VORN_WINE" "$program"
fi

. scripts/window-capture.sh
vorn_ensure_display
trap vorn_stop_display EXIT
vorn_capture_window "$program" "$root/build/run-screenshot.png"
