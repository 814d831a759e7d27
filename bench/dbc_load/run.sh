#!/bin/sh
# Times the load of a generated 10 MB DBC file, best of five runs each, side by side when a
# second program is given (for example a build of main):
#   ./run.sh [path/to/txtcvt-cli [path/to/other/txtcvt-cli]]
set -e
cli=$(realpath "${1:-build/linux/cli/txtcvt-cli}")
other=${2:+$(realpath "$2")}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 "$(dirname "$0")/generate_dbc.py" "$dir/big.dbc" 10000000
ls -l "$dir/big.dbc"
cd "$dir"
best() {
    best=""
    for run in 1 2 3 4 5; do
        /usr/bin/time -f '%e %M' -o time.txt "$1" dbc big.dbc > summary.txt
        read -r seconds peak < time.txt
        if [ -z "$best" ] || [ "$(echo "$seconds < $best" | bc)" = 1 ]; then best=$seconds; fi
    done
    echo "$1: $(cat summary.txt)"
    echo "  load time: $best s (best of 5), peak memory $peak KiB"
}
for program in $cli $other; do best "$program"; done
