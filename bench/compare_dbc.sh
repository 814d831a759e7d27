#!/bin/sh
# Loads every DBC file under a folder with two builds of txtcvt-cli and compares what each one
# gives: the summary, the exit status, the load log and the JSON form, byte for byte.
#   bench/compare_dbc.sh OTHER_CLI [THIS_CLI] [FOLDER]   (default build/linux/cli/txtcvt-cli,
#                                                          tests/data/dbc)
set -eu
other=$(realpath "$1")
this=$(realpath "${2:-build/linux/cli/txtcvt-cli}")
folder=$(realpath "${3:-tests/data/dbc}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
files=0
differ=0
run() {  # program file out-prefix
    (cd "$dir" && rm -f dbcload.log
     "$1" dbc "$2" > "$3.summary" 2>&1 && status=0 || status=$?
     echo "exit $status" >> "$3.summary"
     cp dbcload.log "$3.log" 2>/dev/null || : > "$3.log"
     "$1" dbc --json "$2" > "$3.json" 2>&1 || :)
}
find "$folder" -type f -iname '*.dbc' | sort > "$dir/list"
while IFS= read -r file; do
    files=$((files + 1))
    run "$other" "$file" "$dir/a"
    run "$this" "$file" "$dir/b"
    for part in summary log json; do
        if ! cmp -s "$dir/a.$part" "$dir/b.$part"; then
            echo "differs ($part): $file"
            differ=$((differ + 1))
        fi
    done
done < "$dir/list"
echo "$files DBC files, $differ differences"
[ "$differ" -eq 0 ]
