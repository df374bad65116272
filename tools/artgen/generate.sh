#!/bin/sh
# Regenerates assets/ (and the program icon) from MainWindow's layout.
# Usage: tools/artgen/generate.sh      (from anywhere; writes into the repository)
set -eu
export PYTHONDONTWRITEBYTECODE=1
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$root/build/artgen"
mkdir -p "$work"

g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers \
    -I "$root/src" -o "$work/layout_dump" \
    "$root/tools/artgen/layout_dump.cpp" \
    "$root/src/runtime/layout.cpp" \
    "$root/src/mainwindow/main_window_layout.cpp" \
    "$root/src/profile/equip_slot.cpp" \
    "$root/src/shell/assets.cpp"
"$work/layout_dump" > "$work/layout.json"

# Debian's interpreter: it has PIL and numpy from apt.
/usr/bin/python3 "$root/tools/artgen/artgen.py" "$work/layout.json" "$root/assets" \
    --preview "$work/preview.png"
