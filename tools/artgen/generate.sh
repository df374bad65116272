#!/bin/sh
# Regenerates assets/ (and the program icon) from MainWindow's layout.
# Usage: tools/artgen/generate.sh      (from anywhere; writes into the repository)
set -eu
export PYTHONDONTWRITEBYTECODE=1
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$root/build/artgen"
mkdir -p "$work"

cd "$root"
cmake --preset linux >/dev/null
cmake --build --preset linux --target layout_dump >/dev/null
"$root/build/linux/layout_dump" > "$work/layout.json"

# Debian's interpreter: it has PIL and numpy from apt.
/usr/bin/python3 "$root/tools/artgen/artgen.py" "$work/layout.json" "$root/assets" \
    --preview "$work/preview.png"
