#!/usr/bin/env bash
# Builds the program, the baseline window and the start-up benchmark for
# Windows x64 and runs the benchmark under wine64 (on a private Xvfb when no
# display is set). Usage: bench/run_startup.sh [launches per program, default 10]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
launches=${1:-10}

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VornMonsterTool baseline_window startup_bench -j 2

build=$root/build/win64
. scripts/wine-env.sh
vorn_ensure_prefix
vorn_ensure_display
trap vorn_stop_display EXIT
"$VORN_WINE" "$build/bench/startup_bench.exe" "$build/VornMonsterTool.exe" \
    "$build/bench/baseline_window.exe" "$launches"
