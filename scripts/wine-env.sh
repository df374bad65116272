# Sourced by the scripts that run Windows programs under wine64 on Linux.
# Provides: a private, cached WINEPREFIX set up once; a display (our own Xvfb
# when none is set); quiet, prompt-free Wine settings.

export WINEPREFIX=${VORN_WINEPREFIX:-$HOME/.cache/vorn/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
VORN_WINE=/usr/lib/wine/wine64
VORN_WINESERVER=/usr/lib/wine/wineserver

vorn_write_prefix_settings() {
    # Chinese face names the program asks for map to the CJK font; 宋体 (SimSun)
    # maps to the monospaced cut, whose half-width Latin and digits match
    # SimSun's metrics, so texts sized for it fit their controls. winedbg's
    # crash dialog is off so a crash ends a test instead of hanging it.
    local reg
    reg=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"微软雅黑"="Noto Sans CJK SC"\r\n'
        printf '"黑体"="Noto Sans CJK SC"\r\n'
        printf '"宋体"="Noto Sans Mono CJK SC"\r\n'
        printf '"新宋体"="Noto Sans Mono CJK SC"\r\n'
        printf '"Microsoft YaHei"="Noto Sans CJK SC"\r\n'
        printf '"SimSun"="Noto Sans Mono CJK SC"\r\n'
        printf '"SimHei"="Noto Sans CJK SC"\r\n\r\n'
        # Without a window manager (Xvfb) Wine waits ~2 s for one whenever a
        # managed window goes away; its own window handling has no such wait.
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Managed"="N"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
        printf '"ShowCrashNotification"=dword:00000000\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]\r\n'
        printf '"Auto"="0"\r\n"Debugger"=""\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16 > "$reg"
    "$VORN_WINE" regedit /S "$reg" >/dev/null 2>&1
    rm -f "$reg"
}

vorn_ensure_prefix() {
    local stamp="$WINEPREFIX/.vorn-prefix-v3"
    if [ ! -f "$stamp" ]; then
        mkdir -p "$WINEPREFIX"
        echo "Setting up the Wine prefix in $WINEPREFIX (first run only)..." >&2
        "$VORN_WINE" wineboot --init >/dev/null 2>&1
        "$VORN_WINESERVER" -w
        vorn_write_prefix_settings
        "$VORN_WINESERVER" -w
        touch "$stamp"
    fi
}

# Starts our own Xvfb on a free display when none is set. Sets VORN_XVFB_PID.
vorn_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 140); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        VORN_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$VORN_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$VORN_XVFB_PID" 2>/dev/null
        unset DISPLAY VORN_XVFB_PID
    done
    echo "could not start Xvfb" >&2
    return 1
}

vorn_stop_display() {
    if [ -n "${VORN_XVFB_PID:-}" ]; then
        kill "$VORN_XVFB_PID" 2>/dev/null
        wait "$VORN_XVFB_PID" 2>/dev/null
        unset VORN_XVFB_PID DISPLAY
    fi
}
