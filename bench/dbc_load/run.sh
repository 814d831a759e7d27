#!/bin/sh
# Times the load of a generated 10 MB DBC file: ./run.sh path/to/txtcvt-cli
set -e
cli=${1:-build/linux/cli/txtcvt-cli}
dir=$(mktemp -d)
python3 "$(dirname "$0")/generate_dbc.py" "$dir/big.dbc" 10000000
ls -l "$dir/big.dbc"
cd "$dir"
start=$(date +%s.%N)
"$cli" dbc big.dbc
end=$(date +%s.%N)
echo "load time: $(echo "$end - $start" | bc) s"
rm -rf "$dir"
