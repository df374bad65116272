#!/usr/bin/env bash
# Builds the program and the repaint benchmark for Windows x64 and measures,
# under wine64 on a private Xvfb (when no display is set):
#   - one full repaint of the skinned main window (median of 200);
#   - the program's CPU use while it sits idle for 10 s with the mouse outside
#     it, read from Linux (/proc) since Wine does not report it.
# Usage: bench/run_frame.sh   (VORN_BENCH_BUILD=<a win64 build directory>
# measures what is built there instead of building the preset's)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=${VORN_BENCH_BUILD:-}
if [ -z "$build" ]; then
    bash scripts/install-deps.sh
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target VornMonsterTool frame_bench -j 2
    build=$root/build/win64
fi
. scripts/wine-env.sh
vorn_ensure_prefix
vorn_ensure_display
trap vorn_stop_display EXIT
"$VORN_WINE" "$build/bench/frame_bench.exe" "$build/VornMonsterTool.exe"

# Idle CPU: start the program, move the pointer away, let it settle, then
# count its clock ticks (user + system) over 10 s.
"$VORN_WINE" "$build/VornMonsterTool.exe" >/dev/null 2>&1 &
pid=$!  # wine becomes the program's own process
for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^Vorn_' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool mousemove 0 0
sleep 3
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")
sleep 10
after=$(ticks "$pid")
awk -v t=$((after - before)) -v hz="$hz" \
    'BEGIN { printf "idle for 10 s with the mouse outside: %.2f s of CPU, %.2f %% of one core\n", t / hz, 100 * t / hz / 10 }'
kill "$pid" 2>/dev/null || true
wait 2>/dev/null || true
