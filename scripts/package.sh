#!/usr/bin/env bash
# Packs the Windows download: dist/VornMonsterTool-<version>.zip holding the
# x64 and the x86 program, the help page and an empty MonUseItems folder
# beside each, e.g.
#   x64/VornMonsterTool.exe  x64/help.html  x64/MonUseItems/  x86/...
# Builds both presets first. The version comes from src/shell/program.rc.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target VornMonsterTool -j "${VORN_JOBS:-2}"
done
version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' src/shell/program.rc | head -1)
mkdir -p dist
archive="dist/VornMonsterTool-$version.zip"
/usr/bin/python3 - "$archive" <<'PY'
import sys, zipfile
entries = [
    ("x64/VornMonsterTool.exe", "build/win64/VornMonsterTool.exe"),
    ("x64/help.html", "docs/help.html"),
    ("x86/VornMonsterTool.exe", "build/win32/VornMonsterTool.exe"),
    ("x86/help.html", "docs/help.html"),
]
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    for name, path in entries:
        info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(path, "rb") as source:
            archive.writestr(info, source.read())
    # The folder the program writes monsters into, ready on the first run.
    for folder in ("x64/MonUseItems/", "x86/MonUseItems/"):
        info = zipfile.ZipInfo(folder, date_time=(2026, 1, 1, 0, 0, 0))
        info.external_attr = (0o40755 << 16) | 0x10  # a directory, also for Windows
        archive.writestr(info, b"")
PY
echo "$archive"
