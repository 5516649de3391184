#!/bin/sh
# Installs what the build and the tests need on Debian 12, and skips what is present.
#   install-deps.sh          everything: native build, cross build, Wine, Xvfb, checkers
#   install-deps.sh native   only what the native build and its tests need
#   install-deps.sh scorer   only what building and running the offline scorer needs
set -eu
scope=${1:-all}
cd "$(dirname "$0")/.."

# A package written as package@command counts as present when the command is on the PATH (a
# machine may have Java or Node.js from elsewhere).
scorer_packages="cmake make g++ hamradio-files"
native_packages="$scorer_packages googletest libgtest-dev libgmock-dev libbenchmark-dev"
cross_packages="g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth imagemagick
    default-jre-headless@java nodejs@node npm@npm"

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

missing=""
case "$scope" in
scorer) packages=$scorer_packages ;;
native) packages=$native_packages ;;
*) packages="$native_packages $cross_packages" ;;
esac
for entry in $packages; do
    package=${entry%@*}
    command=${entry#*@}
    if [ "$command" != "$entry" ] && command -v "$command" >/dev/null 2>&1; then
        continue
    fi
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    case "$missing" in
    *:i386*)
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            $sudo dpkg --add-architecture i386
        fi
        ;;
    esac
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
else
    echo "All Debian packages present."
fi

if [ "$scope" = all ] && [ -f package.json ]; then
    if [ ! -d node_modules ] || [ package-lock.json -nt node_modules ]; then
        npm ci --no-audit --no-fund --loglevel=error
    fi
fi
