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

# The monster list over a small sample folder.
sample=$(mktemp -d)
trap 'rm -rf "$sample"; vorn_stop_display' EXIT
mkdir -p "$sample/MonUseItems"
cp "$program" "$sample/"
monster() {  # name job gender drop dig item0 item1
    printf ';;==============人型怪物 %s 配制文件=======================\r\n[Info]\r\nJob=%s\r\nGender=%s\r\nHair=1\r\nDropUseItem=%s\r\nDropUseItemRate=30\r\nButchUseItem=%s\r\nButchRate=20\r\nButchChargeClass=0\r\nButchChargeCount=10\r\nUseSkill=\r\n[UseItems]\r\nUseItems0=%s\r\nUseItems1=%s\r\n' \
        "$1" "$2" "$3" "$4" "$5" "$6" "$7" | iconv -f UTF-8 -t GBK > "$sample/MonUseItems/$1.txt"
}
monster 骷髅精灵 0 0 1 0 天魔神甲 屠龙
monster 赤月恶魔 2 1 1 1 法神披风 无极棍
monster 祖玛教主 1 0 0 0 '' 裁决之杖
monster 白野猪 0 0 1 0 '' ''
monster 沃玛教主 0 0 1 1 战神盔甲 炼狱
printf ';赤月恶魔爆率文件\r\n' | iconv -f UTF-8 -t GBK > "$sample/MonUseItems/赤月恶魔-Item.txt"
printf '[Info]\r\nJob=\377\r\n' > "$sample/MonUseItems/坏文件.txt"
show_list() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+l
    sleep 2.5
    local list geometry
    list=$(xdotool search --onlyvisible --name '^怪物列表$' | head -n 1)
    geometry=$(xwininfo -id "$list" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF}
        END {printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$root/docs/library.png"
}
vorn_capture_window "$sample/VornMonsterTool.exe" "$sample/main.png" show_list
echo "monster list saved to $root/docs/library.png"

