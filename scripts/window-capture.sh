# Sourced after wine-env.sh with a display set. Starts a Windows program under
# wine64, waits for its main window, saves a picture of just that window and
# stops the program again.

VORN_WINDOW_NAME='^Vorn_'

# vorn_capture_window <program.exe> <picture.png> [<step>]
# <step>, when given, is a command run with the window's X id after the first
# paint and before the picture is taken (e.g. to open a box over the window).
vorn_capture_window() {
    local program=$1 picture=$2 step=${3:-} pid window="" i
    "$VORN_WINE" "$program" >/dev/null 2>&1 &
    pid=$!
    for i in $(seq 1 600); do
        window=$(xdotool search --onlyvisible --name "$VORN_WINDOW_NAME" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "the program showed no window" >&2
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return 1
    fi
    # Let the first paint finish before taking the picture.
    sleep 2
    [ -n "$step" ] && "$step" "$window"
    # Found again: Wine may have made the window's X window anew meanwhile
    # (a layered window that stops being layered).
    window=$(xdotool search --onlyvisible --name "$VORN_WINDOW_NAME" 2>/dev/null | head -n 1 || echo "$window")
    local geometry
    geometry=$(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF}
        END {printf "%dx%d+%d+%d", w, h, x, y}')
    mkdir -p "$(dirname "$picture")"
    local status=0
    import -window root -crop "$geometry" +repage "$picture" || status=$?
    # The program asks before closing; the picture is taken, so just end it.
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    "$VORN_WINESERVER" -k 2>/dev/null || true
    [ $status -eq 0 ] && echo "window $geometry saved to $picture"
    return $status
}
