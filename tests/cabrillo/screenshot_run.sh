#!/bin/sh
# Runs a test program of the cross build that fills the Cabrillo header dialog, and takes a
# screenshot of the test display while the dialog waits filled.
#   screenshot_run.sh BUILD_DIR SCREENSHOT PROGRAM [ARGUMENTS...]
set -u
build=$1
shot=$2
shift 2
marker="$build/cabrillo_dialog.filled"
answer="$build/cabrillo_dialog.taken"
rm -f "$marker" "$answer" "$shot"
export STATS_SCREENSHOT=1
"$(dirname "$0")/../../tools/wine-run.sh" "$@" &
program=$!
i=0
while [ ! -f "$marker" ] && [ $i -lt 300 ] && kill -0 $program 2>/dev/null; do
    sleep 0.1
    i=$((i + 1))
done
if [ -f "$marker" ]; then
    DISPLAY=$(cat "$build/wine-display") import -window root "$shot"
fi
touch "$answer"
wait $program
status=$?
rm -f "$marker" "$answer"
if [ ! -s "$shot" ]; then
    echo "screenshot_run.sh: no screenshot in $shot" >&2
    exit 1
fi
echo "screenshot: $shot"
exit $status
