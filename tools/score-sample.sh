#!/bin/sh
# The main job: installs what the offline scorer needs, builds it and scores the sample log
# shipped with the project. The result table goes to the terminal; the bad-QSO report, the
# Cabrillo file and a standalone HTML report go to build/sample-output.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh scorer

cmake -S . -B build/scorer -DCMAKE_BUILD_TYPE=Release -DSTATS_TESTS=OFF -DSTATS_BENCHMARKS=OFF \
    >/dev/null
cmake --build build/scorer --target torv-score -j "$(nproc)" >/dev/null
echo "Scoring data/sample/torv-sample.adi:"
echo
output=build/sample-output
status=0
build/scorer/bin/torv-score --cabrillo --report "$output/torv-sample-report.html" -o "$output" \
    data/sample/torv-sample.adi || status=$?
echo
echo "Files written to $output (open torv-sample-report.html in a browser)."
exit $status
