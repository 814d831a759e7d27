#!/bin/sh
# A picture of a workbook written by txtcvt-cli, opened in LibreOffice Calc on a virtual display:
# the bundled example drive converted with --format xlsx, the screen captured once Calc has
# finished drawing. Not run by the tests; the picture is kept in docs/.
# Usage: scripts/workbook-screenshot.sh [BUILD_DIR] [PICTURE]   (default build/linux, docs/workbook-calc.png)
set -e
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build/linux}"
picture="${2:-$here/docs/workbook-calc.png}"
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
case "$picture" in /*) ;; *) picture="$PWD/$picture" ;; esac
if [ -z "$DISPLAY" ]; then
    "$here/scripts/install-deps.sh" workbook-screenshot
    exec xvfb-run -a -s "-screen 0 1500x700x24" "$0" "$build" "$picture"
fi
work="$(mktemp -d)"
calc=""
cleanup() {
    [ -n "$calc" ] && kill "$calc" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$here/examples/vehicle.dbc" "$here/examples/drive_v29.DT" "$work/"
(cd "$work" && "$build/cli/txtcvt-cli" convert -q --format xlsx --clock utc --dbc vehicle.dbc \
    --columns ch,id,msg,unit,enum,raw drive_v29.DT)

# A profile of its own, so that no first-start dialog or saved window state gets in the way.
# Its temporary files go into the work folder too, which is removed at the end.
TMPDIR="$work" soffice --calc --norestore --nologo --nofirststartwizard \
    "-env:UserInstallation=file://$work/profile" "$work/drive_v29.xlsx" >/dev/null 2>&1 &
calc=$!

# Captures until two pictures a few seconds apart agree: Calc has opened and drawn the sheet.
previous=""
for attempt in $(seq 1 60); do
    sleep 3
    import -window root "$work/screen.png" 2>/dev/null || continue
    # An empty screen (one colour) is Calc still starting.
    [ "$(identify -format '%k' "$work/screen.png")" -gt 1 ] || continue
    current="$(identify -format '%#' "$work/screen.png")"
    if [ "$current" = "$previous" ]; then
        mkdir -p "$(dirname "$picture")"
        convert "$work/screen.png" -trim +repage "$picture"
        echo "workbook-screenshot: $picture"
        exit 0
    fi
    previous="$current"
done
echo "workbook-screenshot: Calc did not settle" >&2
exit 1
