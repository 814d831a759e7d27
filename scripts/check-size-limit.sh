#!/bin/sh
# Checks the loader's size limit on real files: a capture of exactly 1 GiB loads, one byte more
# is refused. Too slow for the unit tests (the accepted file is read whole).
# Usage: scripts/check-size-limit.sh [build/linux/cli/txtcvt-cli]
set -e
cli=${1:-build/linux/cli/txtcvt-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'TALVERO DATA   \000' > "$dir/limit.DT"
truncate -s 1073741824 "$dir/limit.DT"
"$cli" inspect "$dir/limit.DT" --json > "$dir/out.txt"
echo "1 GiB loaded: $(head -1 "$dir/out.txt")"
truncate -s 1073741825 "$dir/limit.DT"
if "$cli" inspect "$dir/limit.DT" 2> "$dir/err.txt"; then
    echo "1 GiB + 1 byte was accepted" >&2
    exit 1
fi
echo "1 GiB + 1 byte refused: $(cat "$dir/err.txt")"
