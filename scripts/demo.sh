#!/bin/sh
# Shows what the product does, on the bundled example files: a DBC file of a small vehicle, two
# captures of the same drive, one in each record layout, and the drive as a Vector ASC log.
set -e
build="$1"
cli="$build/cli/txtcvt-cli"
dtgen="$build/tools/dtgen/dtgen"
demo="$build/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp examples/vehicle.dbc "$demo/"
# The captures are made from their readable descriptions, as the committed ones were.
"$dtgen" examples/drive_v29.txt "$demo/drive_v29.DT"
"$dtgen" examples/drive_v27.txt "$demo/drive_v27.DT"

echo "== The database: txtcvt-cli dbc vehicle.dbc"
(cd "$demo" && "../cli/txtcvt-cli" dbc vehicle.dbc)
echo
echo "== What a capture holds: txtcvt-cli inspect drive_v29.DT"
"$cli" inspect "$demo/drive_v29.DT" | head -n 6
echo
echo "== Converting the folder: txtcvt-cli convert --dbc vehicle.dbc $demo"
(cd "$demo" && "../cli/txtcvt-cli" convert --dbc vehicle.dbc .)
for csv in "$demo/drive_v29.csv" "$demo/drive_v27.csv"; do
    echo
    echo "== $csv ($(wc -l < "$csv") lines), first lines:"
    head -n 8 "$csv" | tr -d '\r'
done
echo
echo "== Any CAN log converts the same way: txtcvt-cli inspect and convert of a Vector ASC log"
cp examples/drive_canoe.asc "$demo/"
"$cli" inspect "$demo/drive_canoe.asc" | tail -n 6
(cd "$demo" && "../cli/txtcvt-cli" convert --dbc vehicle.dbc drive_canoe.asc)
echo "== $demo/drive_canoe.csv ($(wc -l < "$demo/drive_canoe.csv") lines), first lines:"
head -n 4 "$demo/drive_canoe.csv" | tr -d '\r'
echo
echo "The CSV files are in $demo/, beside their captures and logs; the load log is $demo/dbcload.log."
