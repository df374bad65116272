#!/usr/bin/env bash
# Runs one Windows program under wine64 (CMake's cross-compiling emulator).
# Uses the caller's display, or starts and stops its own Xvfb.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
vorn_ensure_prefix
vorn_ensure_display || exit 1
trap vorn_stop_display EXIT
"$VORN_WINE" "$@"
