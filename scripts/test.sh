#!/usr/bin/env bash
# Builds every configuration (native Linux, Windows x64, Windows x86) and runs
# every test: the native tests, then the Windows tests and the end-to-end
# driver under wine64 on one display (a private Xvfb when none is set).
# Prints a summary; exits non-zero when any step failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${VORN_JOBS:-2}

bash scripts/install-deps.sh || { echo "installing the dependencies failed" >&2; exit 1; }

results=()
failed=0
step() {  # step <name> <command...>
    local name=$1
    shift
    echo "=== $name"
    local started=$SECONDS
    if "$@"; then
        results+=("ok      $name ($((SECONDS - started)) s)")
    else
        results+=("FAILED  $name ($((SECONDS - started)) s)")
        failed=1
    fi
}

for preset in linux win64 win32; do
    step "configure $preset" cmake --preset "$preset"
    step "build $preset" cmake --build --preset "$preset" -j "$jobs"
done

ctest_log=$(mktemp)
run_ctest() {  # ctest with its output kept for the closing count
    ctest "$@" 2>&1 | tee -a "$ctest_log"
}

step "test linux" run_ctest --preset linux -j "$jobs"

. scripts/wine-env.sh
vorn_ensure_prefix
vorn_ensure_display || exit 1
cleanup() {
    # Let the prefix's processes end on their own, then make sure they did.
    timeout 20 "$VORN_WINESERVER" -w 2>/dev/null || "$VORN_WINESERVER" -k 2>/dev/null
    vorn_stop_display
}
trap cleanup EXIT
# One at a time: the end-to-end tests own the mouse and keyboard.
step "test win64" run_ctest --preset win64

echo
echo "=== summary"
printf '%s\n' "${results[@]}"
# One closing line over both test runs: "N passed, N failed".
read -r total failures < <(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\2 \1/p' "$ctest_log" |
    awk '{t += $1; f += $2} END {print t + 0, f + 0}')
rm -f "$ctest_log"
if [ $failed -ne 0 ]; then
    echo "some steps FAILED"
else
    echo "all steps passed"
fi
echo "ctest: $((total - failures)) passed, $failures failed"
exit $failed
