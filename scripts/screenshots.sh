#!/bin/sh
# Pictures of the main dialog in English and Japanese, of the English one with a folder of
# captures listed and selected, of the CSV additional setting dialog over it, of the output
# choices and the "Signals..." dialog in both languages, and of the main dialog at 150 % (Wine's
# LogPixels 144, in a prefix of its own): txtcvt.exe
# under Wine on a virtual display, the screen captured and cut to the dialogs (the only windows
# on a black screen); a small helper program clicks the dialog into each state.
# Usage: scripts/screenshots.sh BUILD_DIR OUTPUT_DIR
set -e
build="$1"
out="$2"
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$build/app/txtcvt.exe"
driver="$build/tests/gui/gui_screenshot_driver.exe"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# A folder of captures to list: the examples under the names an analyzer gives them.
captures="$work/captures"
mkdir -p "$captures"
cp "$here/examples/drive_v29.DT" "$captures/bench2.DT"
cp "$here/examples/drive_v29.DT" "$captures/bench10.DT"
cp "$here/examples/drive_v27.DT" "$captures/#20240501_0915.DT"
cp "$here/examples/drive_v29.DT" "$captures/#20240501_1030.DT"
cp "$here/examples/drive_v27.DT" "$captures/road_test.DT"
captures_windows="Z:$(printf '%s' "$captures" | tr / '\\')"

# Captures until two pictures a second apart agree, so that the dialog has finished drawing.
capture_settled() {
    previous=""
    for attempt in $(seq 1 90); do
        sleep 1
        import -window root -trim +repage "$work/dialog.png" 2>/dev/null
        picture="$(identify -format '%wx%h %#' "$work/dialog.png")"
        case "$picture" in 1x1*) previous="" && continue ;; esac
        if [ "$picture" = "$previous" ]; then
            cp "$work/dialog.png" "$1"
            return 0
        fi
        previous="$picture"
    done
    echo "screenshots: no dialog appeared for $1" >&2
    return 1
}

dbc_windows="Z:$(printf '%s' "$here/examples/vehicle.dbc" | tr / '\\')"

# shot FONTS LANGUAGE FOLDER PICTURE [DRIVER_STEP [DRIVER_FILE]]
# (FONTS: latin or japanese, see wine-run.sh)
shot() {
    fonts="$1"
    shift
    TXTCVT_WINE_FONTS="$fonts" "$here/cmake/wine-run.sh" "$program" "-l$1" "-s$work/settings.ini" "$2" &
    pid=$!
    status=0
    if [ -n "$4" ]; then
        TXTCVT_WINE_FONTS="$fonts" "$here/cmake/wine-run.sh" "$driver" "$4" ${5:+"$5"} || status=$?
    fi
    [ "$status" -eq 0 ] && { capture_settled "$out/$3.png" || status=$?; }
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ "$status" -eq 0 ] || exit "$status"
    echo "wrote $out/$3.png"
}

# The English pictures in Wine's own dialog font; the Japanese one with IPAGothic standing in.
shot latin 1033 'C:\CAN\captures' main-dialog-en
shot japanese 1041 'C:\CAN\captures' main-dialog-ja
shot latin 1033 "$captures_windows" main-dialog-files-en select-all
rm -f "$work/settings.ini"
shot latin 1033 "$captures_windows" csv-dialog-en csv-dialog
rm -f "$work/settings.ini"
shot latin 1033 "$captures_windows" outputs-en outputs "$dbc_windows"
rm -f "$work/settings.ini"
shot japanese 1041 "$captures_windows" outputs-ja outputs "$dbc_windows"
rm -f "$work/settings.ini"
shot latin 1033 "$captures_windows" signals-en signals "$dbc_windows"
rm -f "$work/settings.ini"
shot japanese 1041 "$captures_windows" signals-ja signals "$dbc_windows"

# 150 %: the same English window in a prefix whose screen has 144 pixels per inch.
rm -f "$work/settings.ini"
export TXTCVT_WINEPREFIX="${TMPDIR:-/tmp}/txtcvt-wine-latin-dpi144-$(id -u)"
TXTCVT_WINE_FONTS=latin "$here/cmake/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Control Panel\Desktop]' '"LogPixels"=dword:00000090' \
    >"$work/dpi.reg"
TXTCVT_WINE_FONTS=latin "$here/cmake/wine-run.sh" regedit "$work/dpi.reg" >/dev/null 2>&1 || true
WINEPREFIX="$TXTCVT_WINEPREFIX" wineserver -w
shot latin 1033 "$captures_windows" outputs-150-en outputs "$dbc_windows"
