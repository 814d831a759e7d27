#!/bin/sh
# Installs the Debian packages the build and the tests need, when any is missing.
set -e
# clang and libclang-rt-14-dev (a mere recommendation of clang, holding libFuzzer and the
# sanitizer runtimes) build the fuzz targets; time measures peak memory in the limit checks.
packages="clang libclang-rt-14-dev time g++ cmake ninja-build make googletest libgtest-dev g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xauth fonts-ipafont-gothic imagemagick"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
# Wine's X11 driver and fonts come as recommendations (libxrender1, libxrandr2, fonts-wine...);
# the GUI tests and screenshots need them, so Wine is installed with its recommendations.
plain=""
withRecommends=""
for package in $missing; do
    case "$package" in
        wine|wine64) withRecommends="$withRecommends $package" ;;
        *) plain="$plain $package" ;;
    esac
done
if [ -n "$plain" ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $plain
fi
if [ -n "$withRecommends" ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $withRecommends
fi
