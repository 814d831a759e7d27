#!/bin/sh
# Uses the release packages as a user would. The Windows zip is unpacked into a new Wine prefix:
# txtcvt-cli.exe tells its version and converts the bundled examples, txtcvt.exe opens its
# window and, clicked by DRIVER (the screenshots' helper program, when given), writes a BLF log
# of every frame without a database and a resampled workbook through a database per channel,
# keeping those choices in its settings file. The Debian package lists its files and is unpacked
# into a scratch folder, from where txtcvt-cli tells its version and converts the same examples
# to the same bytes.
# Usage: scripts/test-dist.sh DIST_DIR VERSION_HEADER [DRIVER]
#        (VERSION_HEADER: build/<dir>/generated/txtcvt_version.h)
set -eu
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
dist=$(realpath "$1")
header=$(realpath "$2")
driver=$(realpath "${3:-/nonexistent}" 2>/dev/null || true)
define() { sed -n "s/^#define $1 \"*\([^\"]*\)\"*$/\1/p" "$header"; }
version="$(define TXTCVT_VERSION_MAJOR).$(define TXTCVT_VERSION_MINOR).$(define TXTCVT_VERSION_PATCH)"
version_line="txtcvt-cli $(define TXTCVT_VERSION_TEXT)"
title="Text conversion [tessora V$(define TXTCVT_VERSION_TEXT)]"
zip="$dist/txtcvt-$version-windows-x64.zip"
deb="$dist/txtcvt-cli_${version}_amd64.deb"

work=$(mktemp -d "${TMPDIR:-/tmp}/txtcvt-dist-XXXXXX")
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wall-clock columns must not depend on the machine's zone when the two outputs are compared.
export TZ=UTC
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
passed=0
failed=0
# check DESCRIPTION COMMAND...: counts the command's success as a passed check.
check() {
    description=$1
    shift
    if "$@" >"$work/check.out" 2>&1; then
        echo "ok: $description"
        passed=$((passed + 1))
    else
        echo "FAILED: $description" >&2
        sed 's/^/    /' "$work/check.out" >&2
        failed=$((failed + 1))
    fi
}
equals() { [ "$1" = "$2" ] || { echo "expected '$2', got '$1'"; return 1; }; }
lists() { printf '%s\n' "$1" | grep -q -- "$2" || { echo "no $2 in:"; echo "$1"; return 1; }; }

echo "== $zip"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
top="$work/zip/txtcvt-$version-windows-x64"
for file in txtcvt.exe txtcvt-cli.exe README.txt LICENSE.txt examples/vehicle.dbc \
    examples/drive_v29.DT examples/drive_v27.DT; do
    check "the zip holds $file" test -s "$top/$file"
done
wineboot -i >/dev/null 2>&1 || true
wineserver -w
check "txtcvt-cli.exe --version" \
    equals "$(wine "$top/txtcvt-cli.exe" --version | tr -d '\r')" "$version_line"
check "txtcvt-cli.exe converts the examples" \
    sh -c "cd '$top/examples' && wine ../txtcvt-cli.exe convert --quiet --dbc vehicle.dbc \
           drive_v29.DT drive_v27.DT && test -s drive_v29.csv && test -s drive_v27.csv"
check "txtcvt-cli.exe writes a workbook (zlib and libxlsxwriter inside the program)" \
    sh -c "cd '$top/examples' && wine ../txtcvt-cli.exe convert --quiet --format xlsx \
           --dbc vehicle.dbc drive_v29.DT && test -s drive_v29.xlsx"

# No window manager here: Wine's top-level windows are plain X windows named by their titles.
wine "$top/txtcvt.exe" -l1033 "-s$(winepath -w "$work/settings.ini" 2>/dev/null)" \
    "$(winepath -w "$top/examples" 2>/dev/null)" >/dev/null 2>&1 &
program=$!
window_opens() {
    for _ in $(seq 1 120); do
        xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" && return 0
        kill -0 "$program" 2>/dev/null || { echo "txtcvt.exe ended"; return 1; }
        sleep 0.5
    done
    echo "no window \"$title\" within 60 s"
    return 1
}
check "txtcvt.exe opens its window \"$title\"" window_opens
wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true

# The new choices clicked as a user clicks them: BLF without a database, then a workbook.
# A folder of its own, so that the command line's outputs above stay to be compared below.
if [ -f "$driver" ]; then
    gui="$work/gui"
    mkdir "$gui"
    cp "$top/examples/vehicle.dbc" "$top/examples/drive_v29.DT" "$top/examples/drive_v27.DT" \
        "$gui/"
    settings="$(winepath -w "$work/settings.ini" 2>/dev/null)"
    examples_windows="$(winepath -w "$gui" 2>/dev/null)"
    dbc_windows="$(winepath -w "$gui/vehicle.dbc" 2>/dev/null)"
    rm -f "$work/settings.ini"
    printf '[txtcvtOutput]\r\noutputFormat=BLF\r\n' >"$work/settings.ini"
    (cd "$work" && exec wine "$top/txtcvt.exe" -l1033 "-s$settings" "$examples_windows") \
        >/dev/null 2>&1 &
    program=$!
    check "txtcvt.exe writes BLF logs of every frame without a database" \
        sh -c "wine '$driver' convert && wine '$driver' close && \
               head -c 4 '$gui/drive_v29.blf' | grep -q LOGG && \
               head -c 4 '$gui/drive_v27.blf' | grep -q LOGG"
    wait "$program" 2>/dev/null || true
    (cd "$work" && exec wine "$top/txtcvt.exe" -l1041 "-s$settings" "$examples_windows") \
        >/dev/null 2>&1 &
    program=$!
    check "txtcvt.exe writes a resampled workbook through a database per channel" \
        sh -c "wine '$driver' outputs '$dbc_windows' && wine '$driver' convert && \
               wine '$driver' close && test -s '$gui/drive_v29.xlsx' && \
               test -s '$work/dbcload-ch1.log'"
    wait "$program" 2>/dev/null || true
    check "the settings file keeps the choices" \
        sh -c "grep -q '^outputFormat=Excel' '$work/settings.ini' && \
               grep -q '^table=resampled' '$work/settings.ini' && \
               grep -q '^dbcPerChannel=True' '$work/settings.ini'"
    wineserver -k 2>/dev/null || true
fi

echo "== $deb"
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/txtcvt-cli ./usr/bin/dtgen ./usr/share/man/man1/txtcvt-cli.1.gz \
    ./usr/share/doc/txtcvt-cli/copyright ./usr/share/doc/txtcvt-cli/examples/vehicle.dbc; do
    check "the package installs ${path#.}" lists "$contents" " $path\$"
done
check "the package depends on the C and C++ libraries" \
    lists "$(dpkg-deb --field "$deb" Depends)" "libstdc++6"
dpkg-deb -x "$deb" "$work/deb"
bin="$work/deb/usr/bin"
examples="$work/deb/usr/share/doc/txtcvt-cli/examples"
check "txtcvt-cli --version" equals "$("$bin/txtcvt-cli" --version)" "$version_line"
check "the manual page" sh -c "gzip -dc '$work/deb/usr/share/man/man1/txtcvt-cli.1.gz' | head -n 1 | grep -q '^.TH TXTCVT-CLI 1'"
check "dtgen makes the bundled capture from its description" \
    sh -c "'$bin/dtgen' '$examples/drive_v29.txt' '$work/dtgen.DT' && cmp '$work/dtgen.DT' '$examples/drive_v29.DT'"
check "txtcvt-cli converts the examples" \
    sh -c "cd '$examples' && '$bin/txtcvt-cli' convert --quiet --dbc vehicle.dbc drive_v29.DT drive_v27.DT"
for name in drive_v29 drive_v27; do
    check "$name.csv is the same from the Windows and the Linux package" \
        cmp "$top/examples/$name.csv" "$examples/$name.csv"
done
check "the package depends on libxlsxwriter" \
    lists "$(dpkg-deb --field "$deb" Depends)" "libxlsxwriter"
check "txtcvt-cli writes a workbook" \
    sh -c "cd '$examples' && '$bin/txtcvt-cli' convert --quiet --format xlsx --dbc vehicle.dbc drive_v29.DT"
# The two workbooks differ in their creation times only: their cells are compared.
if /usr/bin/python3 -c "import openpyxl" 2>/dev/null; then
    check "drive_v29.xlsx has the same cells from the Windows and the Linux package" \
        /usr/bin/python3 -c "
import sys, openpyxl
cells = lambda path: [[(c.value, c.number_format) for c in row]
                      for sheet in openpyxl.load_workbook(path, read_only=True).worksheets
                      for row in sheet.iter_rows()]
sys.exit(cells(sys.argv[1]) != cells(sys.argv[2]) or len(cells(sys.argv[1])) < 2)
" "$top/examples/drive_v29.xlsx" "$examples/drive_v29.xlsx"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
