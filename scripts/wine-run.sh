#!/usr/bin/env bash
# Runs Windows programs under Wine the way the tests expect the platform to be: a private prefix with ANSI code page 936,
# the Chinese and dialog fonts mapped to an installed CJK font with Latin glyphs, a pinned Windows version and 96 DPI,
# and an Xvfb display when there is none.
#
#   wine-run.sh PREFIX start          create the prefix if needed, start Xvfb (when no display) and a persistent wineserver
#   wine-run.sh PREFIX run EXE ARGS   run EXE inside the session (or in a session of its own when none was started)
#   wine-run.sh PREFIX stop           stop the wineserver and the Xvfb that start began
set -euo pipefail

readonly prefix=$1
readonly command=$2
shift 2

readonly session_file=$prefix.session
readonly log_file=$prefix.log
# Bump when the prefix settings below change, so existing prefixes are made anew.
readonly prefix_version=1

export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# winedbg is disabled so that a crashing program exits instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Wine takes the ANSI code page from the Unix locale: zh_CN.UTF-8 gives GetACP() == 936.
export LC_ALL=zh_CN.UTF-8

die() {
    echo "wine-run.sh: $*" | tee -a "$log_file" >&2
    exit 1
}

check_locale() {
    locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' ||
        die "locale zh_CN.UTF-8 is missing; run: localedef -i zh_CN -f UTF-8 zh_CN.UTF-8"
}

# regedit reads a .reg file without a byte-order mark as GBK: give it UTF-16LE with a BOM.
write_registry_settings() {
    local reg_file=$1
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win7"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000060

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]
"LogPixels"=dword:00000060

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
"SimHei"="WenQuanYi Micro Hei"
"黑体"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"微软雅黑"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Shell Dlg"="SimSun"
"MS Shell Dlg 2"="SimSun"
"MS Sans Serif"="SimSun"
"Tahoma"="SimSun"
REG
    } >"$reg_file"
}

create_prefix() {
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wine64 wineboot -i >>"$log_file" 2>&1 || die "wineboot failed to make the prefix (see $log_file)"
    wineserver -w
    # Debian's Wine looks for its own fonts (Marlett, Tahoma, ...) outside the prefix.
    local fonts_dir=$prefix/drive_c/windows/Fonts
    mkdir -p "$fonts_dir"
    for font in /usr/share/wine/fonts/*; do
        ln -sf "$font" "$fonts_dir/"
    done
    write_registry_settings "$prefix.reg"
    wine64 regedit /S "$(winepath_of "$prefix.reg")" >>"$log_file" 2>&1 || die "regedit failed (see $log_file)"
    wineserver -w
    echo "$prefix_version" >"$prefix/.tallyvane-prefix"
}

winepath_of() {
    echo "Z:${1//\//\\}"
}

ensure_prefix() {
    check_locale
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    if [[ "$(cat "$prefix/.tallyvane-prefix" 2>/dev/null)" != "$prefix_version" ]]; then
        create_prefix
    fi
    flock -u 9
}

# Xvfb picks a free display number itself (-displayfd), so sessions started side by side never share a display.
start_xvfb() {
    local display_file=$prefix.display
    rm -f "$display_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >>"$log_file" 2>&1 &
    local pid=$!
    for _ in $(seq 200); do
        [[ -s $display_file ]] && break
        kill -0 "$pid" 2>/dev/null || die "Xvfb failed to start (see $log_file)"
        sleep 0.05
    done
    [[ -s $display_file ]] || die "Xvfb gave no display number (see $log_file)"
    echo "DISPLAY=:$(head -n 1 "$display_file")" >"$session_file"
    echo "XVFB_PID=$pid" >>"$session_file"
}

start_session() {
    ensure_prefix
    if [[ -z "${DISPLAY:-}" ]]; then
        start_xvfb
    else
        echo "DISPLAY=$DISPLAY" >"$session_file"
    fi
    load_session
    # Wine's background processes (services, the desktop's explorer) inherit the output of whoever starts them: start
    # them here with output to the log, or ctest waits for them forever.
    wineserver -p >>"$log_file" 2>&1 || die "wineserver failed to start (see $log_file)"
    wine64 rundll32.exe user32.dll,GetDesktopWindow >>"$log_file" 2>&1 || die "Wine failed to start its desktop (see $log_file)"
}

load_session() {
    # shellcheck disable=SC1090
    [[ -f "$session_file" ]] && source "$session_file"
    export DISPLAY
}

stop_session() {
    wineserver -k >>"$log_file" 2>&1 || true
    if [[ -f "$session_file" ]]; then
        load_session
        [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
        rm -f "$session_file" "$prefix.display"
    fi
}

run_program() {
    local own_session=false
    if [[ ! -f "$session_file" ]]; then
        own_session=true
        start_session
        trap stop_session EXIT
    fi
    load_session
    local status=0
    wine64 "$@" || status=$?
    if $own_session; then
        stop_session
        trap - EXIT
    fi
    return "$status"
}

case "$command" in
start) start_session ;;
stop) stop_session ;;
run) run_program "$@" ;;
*) die "unknown command '$command' (start, run or stop)" ;;
esac
