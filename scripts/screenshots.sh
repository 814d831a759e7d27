#!/bin/sh
# Pictures of the main dialog in English and Japanese: txtcvt.exe under Wine on a virtual
# display, the screen captured and cut to the dialog (the only window on a black screen).
# Usage: scripts/screenshots.sh BUILD_DIR OUTPUT_DIR
set -e
build="$1"
out="$2"
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$build/app/txtcvt.exe"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

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

for shot in "1033 main-dialog-en" "1041 main-dialog-ja"; do
    set -- $shot
    "$here/cmake/wine-run.sh" "$program" "-l$1" "-s$work/settings.ini" 'C:\CAN\captures' &
    pid=$!
    status=0
    capture_settled "$out/$2.png" || status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ "$status" -eq 0 ] || exit "$status"
    echo "wrote $out/$2.png"
done
