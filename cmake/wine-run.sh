#!/bin/sh
# Runs a Windows program under Wine in a prefix of our own, creating the prefix on first use.
# The exit code is the program's.
set -e
# TXTCVT_WINE_FONTS=latin: a prefix of its own that keeps Wine's own dialog fonts (Tahoma), for
# pictures of the English dialogs; by default a Japanese font stands in for the dialog fonts.
if [ "${TXTCVT_WINE_FONTS:-}" = latin ]; then
    : "${TXTCVT_WINEPREFIX:=${TMPDIR:-/tmp}/txtcvt-wine-latin-$(id -u)}"
else
    : "${TXTCVT_WINEPREFIX:=${TMPDIR:-/tmp}/txtcvt-wine-$(id -u)}"
fi
export WINEPREFIX="$TXTCVT_WINEPREFIX"
export WINEDEBUG=-all
# No network here: keep the first start from trying to install Mono and Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.txtcvt-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.txtcvt-ready" ]; then
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w
            touch "$WINEPREFIX/.txtcvt-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# Japanese dialog texts need a font that has the glyphs: IPAGothic stands in for the dialog fonts.
if [ "${TXTCVT_WINE_FONTS:-}" != latin ] && [ ! -f "$WINEPREFIX/.txtcvt-fonts-ipagothic" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.txtcvt-fonts-ipagothic" ]; then
            fonts="$WINEPREFIX/txtcvt-fonts.reg"
            printf '%s\r\n' 'REGEDIT4' '' \
                '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
                '"Tahoma"="IPAGothic"' '"MS Shell Dlg"="IPAGothic"' '"MS Shell Dlg 2"="IPAGothic"' \
                >"$fonts"
            wine regedit "$fonts" >/dev/null 2>&1 || true
            wineserver -w
            touch "$WINEPREFIX/.txtcvt-fonts-ipagothic"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
