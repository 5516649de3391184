#!/bin/sh
# Runs a program of the cross build under Wine: the build folder's private 32-bit prefix, the
# display of the running test session (tools/wine-session.sh), quiet logs, and no downloads of
# Wine's Mono or Gecko add-ons.
set -e
if [ -z "${WINEPREFIX:-}" ]; then
    echo "wine-run.sh: WINEPREFIX is not set (run the tests through ctest)" >&2
    exit 2
fi
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
display_file="$(dirname "$WINEPREFIX")/wine-display"
if [ -f "$display_file" ]; then
    DISPLAY="$(cat "$display_file")"
    export DISPLAY
fi
exec wine "$@"
