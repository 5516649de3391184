#!/bin/sh
# Installs what is missing, builds the native, sanitizer and Windows (MinGW-w64) configurations
# and runs every test: natively, under the sanitizers, and the DLL's tests under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh all

jobs=$(nproc)
run() {
    name=$1
    shift
    echo "=== $name ==="
    cmake -S . -B "build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "build/$name" -j "$jobs"
    ctest --test-dir "build/$name" --output-on-failure -j "$jobs"
}

run native
run sanitize -DSTATS_SANITIZE=ON -DSTATS_BENCHMARKS=OFF
run mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
echo "All tests passed."
