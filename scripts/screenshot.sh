#!/usr/bin/env bash
# Regenerates docs/screenshot.png (the main window) and docs/box.png (the exit
# question over it) from the real program, on a private Xvfb.
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

# Closes the window with Alt+F4 and waits until the exit question has opened:
# it zooms in for a quarter of a second.
ask_exit_question() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
    sleep 1.5
}

program="$root/build/win64/VornMonsterTool.exe"
vorn_capture_window "$program" "$root/docs/screenshot.png"
vorn_capture_window "$program" "$root/docs/box.png" ask_exit_question
