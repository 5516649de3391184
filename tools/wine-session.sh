#!/bin/sh
# Starts and stops what the Windows tests run in: an Xvfb display of their own and the build
# folder's Wine prefix. Every Wine process of the run uses that display, so that the prefix's
# wineserver always owns a desktop that can show windows.
#   wine-session.sh start BUILD_DIR
#   wine-session.sh stop BUILD_DIR
set -eu
action=$1
build=$(cd "$2" && pwd)
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
display_file="$build/wine-display"
pid_file="$build/xvfb.pid"

stop() {
    if [ -f "$display_file" ]; then
        DISPLAY=$(cat "$display_file") wineserver -k 2>/dev/null || true
    fi
    if [ -f "$pid_file" ]; then
        kill "$(cat "$pid_file")" 2>/dev/null || true
        rm -f "$pid_file"
    fi
    rm -f "$display_file"
}

case "$action" in
start)
    stop
    fifo="$build/xvfb.displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    # -displayfd picks a free display and reports its number.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
    echo $! >"$pid_file"
    read -r number <"$fifo"
    rm -f "$fifo"
    echo ":$number" >"$display_file"
    export DISPLAY=":$number"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i </dev/null >/dev/null 2>&1
        # Let the server of the first boot end, so that the persistent one below can start.
        wineserver -w
    fi
    # Keep one wineserver for the whole run, started under the test display, and start Wine's
    # own background processes now with no terminal: started by a test, they would inherit its
    # output pipe and ctest would wait for them.
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    echo "Xvfb on $DISPLAY, Wine prefix $WINEPREFIX"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
