#!/bin/sh
# Installs the Debian packages of the named groups, when any is missing.
# Usage: scripts/install-deps.sh GROUP...
#   demo         the native build of txtcvt-cli and dtgen: make demo
#   test         everything make test, make test-dist, make fuzz and make check-limits need
#   python       the Python module txtcvt for Debian's python3, its tests, Dask and the plot
#   fuzz         the fuzz targets alone (clang with libFuzzer)
#   dist         the release packages: make dist
#   lint         clang-format and clang-tidy: make lint
#   screenshots  test, and ImageMagick to capture the virtual screen
#   workbook-screenshot   LibreOffice Calc under a virtual display: scripts/workbook-screenshot.sh
set -e
# libxlsxwriter writes the workbooks of --format xlsx (without it the format is left out); zlib
# reads gzip-compressed logs; libdeflate inflates the containers of BLF logs faster (zlib does
# it where libdeflate is missing).
demo="g++ cmake ninja-build make libxlsxwriter-dev zlib1g-dev libdeflate-dev"
# MinGW-w64 with posix threads (the win32 thread model lacks std::thread) and its tools; zlib for
# gzip-compressed logs and the Windows build of libxlsxwriter (third_party/libxlsxwriter).
windows="g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev"
# clang and libclang-rt-14-dev (a mere recommendation of clang, holding libFuzzer and the
# sanitizer runtimes) build the fuzz targets.
fuzz="clang libclang-rt-14-dev"
# dpkg-shlibdeps (dpkg-dev) works out the Debian package's dependencies.
dist="$windows dpkg-dev"
# Wine under a virtual display for the Windows tests, with a font that has the Japanese glyphs;
# xwininfo (x11-utils) finds the window of the unpacked program; time measures peak memory;
# openpyxl (for Debian's own python3) reads the workbooks back; python-can and can-utils read the
# exported CAN logs back.
# The Python module: pybind11 and the headers of Debian's python3, numpy and pandas for the data
# frames, pytest, Dask with its distributed scheduler, matplotlib for the example plot.
python="pybind11-dev python3-dev python3-pybind11 python3-numpy python3-pandas python3-pytest python3-dask python3-distributed python3-matplotlib"
test="googletest libgtest-dev $windows wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic time $fuzz dpkg-dev python3-openpyxl python3-can can-utils $python"

packages=""
for group in "$@"; do
    case "$group" in
        demo) packages="$packages $demo" ;;
        test) packages="$packages $demo $test" ;;
        python) packages="$packages $demo $python" ;;
        fuzz) packages="$packages $demo $fuzz" ;;
        dist) packages="$packages $demo $dist" ;;
        lint) packages="$packages $demo clang-format clang-tidy" ;;
        screenshots) packages="$packages $demo $test imagemagick" ;;
        workbook-screenshot) packages="$packages $demo libreoffice-calc xvfb xauth imagemagick" ;;
        *) echo "install-deps.sh: unknown group '$group' (demo, test, python, fuzz, dist, lint, screenshots, workbook-screenshot)" >&2
           exit 2 ;;
    esac
done
[ -n "$packages" ] || { echo "Usage: scripts/install-deps.sh demo|test|python|fuzz|dist|lint|screenshots|workbook-screenshot..." >&2; exit 2; }

missing=""
for package in $packages; do
    case " $missing " in *" $package "*) continue ;; esac
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
