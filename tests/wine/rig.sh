# The Wine test rig: a private X display and a private 32-bit Wine prefix in
# which the Windows build runs with the ANSI code page 936. Sourced by the
# scripts; bash only.
#
#   WineRigStart          display + prefix, exported for the commands that follow
#   WineRigStartDisplay   only the private Xvfb display (exports DISPLAY)
#   WineRigStartPrefix    only the prefix (uses whatever DISPLAY is set)
#   WineRigStop           ends the prefix's processes and the display; also run
#                         by the EXIT/INT/TERM traps that the start functions
#                         set (replacing any the caller had)
#   WineRigScreenshot F   writes the whole private screen to the PNG file F
#
# Settings (environment):
#   PPICALC_WINE_THEME=1  visual styles on (Wine's own "light" theme, what a
#                         program with a common-controls 6 manifest normally
#                         gets); 0 gives the classic look
#   PPICALC_WINE_CACHE    where prepared prefix templates are kept
#   PPICALC_WINE_KEEP=1   leave the rig's folder (prefix, Xvfb log) behind

: "${PPICALC_WINE_THEME:=1}"
: "${PPICALC_WINE_CACHE:=/var/tmp/ppicalc-wine-cache}"
: "${PPICALC_WINE_KEEP:=0}"

# Bump when the registry settings below change, so older templates are unused.
wineRigSettingsVersion=2
wineRigDir=""
wineRigXvfbPid=""
wineRigPrefixStarted=0

WineRigSay() { printf '==> wine rig: %s\n' "$*"; }
WineRigFail() {
    printf 'error: wine rig: %s\n' "$*" >&2
    return 1
}

# Polls a command every 0.1 s until it succeeds; fails after timeoutSeconds.
# WineRigWaitFor timeoutSeconds command [args...]
WineRigWaitFor() {
    local deadline=$((SECONDS + $1))
    shift
    while ((SECONDS < deadline)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

WineRigMakeDir() {
    if [[ -z $wineRigDir ]]; then
        wineRigDir=$(mktemp -d "${TMPDIR:-/tmp}/ppicalc-wine.XXXXXX")
        trap 'WineRigStop' EXIT
        trap 'WineRigStop; exit 130' INT
        trap 'WineRigStop; exit 143' TERM
    fi
}

WineRigSocketReady() {
    [[ -S /tmp/.X11-unix/X$1 ]] || return 1
    xdpyinfo -display ":$1" >/dev/null 2>&1 || return 1
}

WineRigProcessAlive() { kill -0 "$1" 2>/dev/null; }

# Starts Xvfb on the first display number that has neither a socket nor a lock
# file. Another process may claim the same number between the check and the
# start; Xvfb then exits at once and the next number is tried.
WineRigStartDisplay() {
    command -v Xvfb >/dev/null || WineRigFail "Xvfb is missing; run scripts/setup" || return 1
    WineRigMakeDir
    local n
    for ((n = 90; n < 250; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$wineRigDir/xvfb.log" 2>&1 &
        wineRigXvfbPid=$!
        local ticks=100
        while ((ticks-- > 0)); do
            WineRigSocketReady "$n" && break
            WineRigProcessAlive "$wineRigXvfbPid" || break
            sleep 0.1
        done
        if WineRigProcessAlive "$wineRigXvfbPid" && WineRigSocketReady "$n"; then
            export DISPLAY=":$n"
            WineRigSay "Xvfb on $DISPLAY (1920x1080x24)"
            return 0
        fi
        kill "$wineRigXvfbPid" 2>/dev/null || true
        wait "$wineRigXvfbPid" 2>/dev/null || true
        wineRigXvfbPid=""
    done
    WineRigFail "no free X display could be started (see $wineRigDir/xvfb.log)"
}

# The environment every Wine command of the rig runs in.
WineRigExportEnvironment() {
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=zh_CN.UTF-8
    export LC_ALL=zh_CN.UTF-8
}

WineRigTemplatePath() {
    local wineVersion
    wineVersion=$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '_')
    printf '%s/prefix-%s-theme%s-v%s' "$PPICALC_WINE_CACHE" "$wineVersion" \
        "$PPICALC_WINE_THEME" "$wineRigSettingsVersion"
}

# Registry values set once in the template.
WineRigConfigure() {
    local x11='HKCU\Software\Wine\X11 Driver'
    # Without a window manager a managed window's destruction waits ~2 s for
    # a withdrawn state that never comes.
    wine reg add "$x11" /v Managed /t REG_SZ /d N /f >/dev/null
    # Wine draws caption, frame and buttons itself, so they exist as on Windows.
    wine reg add "$x11" /v Decorated /t REG_SZ /d N /f >/dev/null
    # A crashing program ends instead of waiting for a click on a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
        /v ThemeActive /t REG_SZ /d "$PPICALC_WINE_THEME" /f >/dev/null
}

# Wine's own fonts (Tahoma, Marlett for the caption buttons, MS Sans Serif...)
# ship in its data folder but are not picked up from there by this Wine build:
# without them the caption buttons show the letters "0 1 r". In the prefix's
# font folder they are found, as their counterparts are on Windows.
WineRigInstallWineFonts() {
    local dataFonts=/usr/share/wine/fonts
    [[ -d $dataFonts ]] || return 0
    mkdir -p "$1/drive_c/windows/Fonts"
    cp "$dataFonts"/* "$1/drive_c/windows/Fonts/"
}

# Makes the template once (wineboot takes 20-30 s); later rigs copy it. Built
# under a temporary name and renamed, so a half-made template is never used.
WineRigEnsureTemplate() {
    local template="$1"
    [[ -f $template/.ready ]] && return 0
    mkdir -p "$PPICALC_WINE_CACHE"
    (
        exec 7>"$PPICALC_WINE_CACHE/.lock"
        flock 7
        [[ -f $template/.ready ]] && exit 0
        WineRigSay "preparing a prefix template (once): $template"
        local building
        building=$(mktemp -d "$PPICALC_WINE_CACHE/building.XXXXXX")
        export WINEPREFIX="$building/prefix"
        # No display needed for the template; keeps it independent of one.
        unset DISPLAY
        if ! wineboot -i >"$building/wineboot.log" 2>&1; then
            tail -n 20 "$building/wineboot.log" >&2
            rm -rf "$building"
            exit 1
        fi
        WineRigConfigure
        wineserver -w
        WineRigInstallWineFonts "$WINEPREFIX"
        touch "$WINEPREFIX/.ready"
        rm -rf "$template"
        mv "$WINEPREFIX" "$template"
        rm -rf "$building"
    ) || WineRigFail "could not prepare the prefix template"
}

WineRigStartPrefix() {
    command -v wine >/dev/null || WineRigFail "wine is missing; run scripts/setup" || return 1
    locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' ||
        WineRigFail "locale zh_CN.UTF-8 is not generated; run scripts/setup" || return 1
    WineRigMakeDir
    WineRigExportEnvironment
    local template
    template=$(WineRigTemplatePath)
    WineRigEnsureTemplate "$template" || return 1
    cp -a "$template" "$wineRigDir/prefix"
    export WINEPREFIX="$wineRigDir/prefix"
    wineRigPrefixStarted=1
    # A persistent server for the whole run, and the prefix's background
    # services (services.exe, winedevice, ...) started now: started later by a
    # test program they would inherit its output pipe and hold it open, and
    # whoever reads that pipe (ctest) would wait for them.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1 ||
        WineRigFail "wine cannot start a program in $WINEPREFIX" || return 1
    WineRigSay "prefix $WINEPREFIX (code page 936, theme $PPICALC_WINE_THEME)"
}

WineRigStart() {
    WineRigStartDisplay || return 1
    WineRigStartPrefix || return 1
}

WineRigStop() {
    if [[ $wineRigPrefixStarted -eq 1 ]]; then
        wineRigPrefixStarted=0
        WINEPREFIX="$wineRigDir/prefix" wineserver -k 2>/dev/null || true
        # -k signals and returns; -w waits for the server to end, bounded.
        WINEPREFIX="$wineRigDir/prefix" timeout 10 wineserver -w 2>/dev/null || true
    fi
    if [[ -n $wineRigXvfbPid ]]; then
        kill "$wineRigXvfbPid" 2>/dev/null || true
        WineRigWaitFor 10 WineRigProcessGone "$wineRigXvfbPid" || kill -9 "$wineRigXvfbPid" 2>/dev/null || true
        wait "$wineRigXvfbPid" 2>/dev/null || true
        wineRigXvfbPid=""
    fi
    if [[ -n $wineRigDir ]]; then
        if [[ $PPICALC_WINE_KEEP == 1 ]]; then
            WineRigSay "kept $wineRigDir"
        else
            rm -rf "$wineRigDir"
        fi
        wineRigDir=""
    fi
}

WineRigProcessGone() { ! kill -0 "$1" 2>/dev/null; }

WineRigScreenshot() {
    import -display "$DISPLAY" -window root "$1"
}
