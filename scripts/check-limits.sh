#!/bin/sh
# The resource limits on real files, too slow for the unit tests:
# - a capture of exactly 1 GiB converts with a peak memory of at most 64 MiB, and N of them with
#   --jobs N in at most N x 64 MiB: a worker reads the records a block at a time (N = 1 and 2);
#   one of them in parts on two workers in at most 2 x 64 MiB, to the same bytes;
# - a capture of 1 GiB + 1 byte is refused with 0x8007000D before anything is read;
# - DBC files of 100 MB of garbage are read to the end and refused (exit 2) within 120 s and
#   256 MiB;
# - a good DBC file needs at most four times its size plus 64 MiB, also when it is nothing but
#   the shortest signal lines, or when one large value table serves many same-named signals.
# Usage: scripts/check-limits.sh [BUILD_DIR]   (default build/linux)
set -eu
build=${1:-build/linux}
cli=$(realpath "$build/cli/txtcvt-cli")
dtgen=$(realpath "$build/tools/dtgen/dtgen")
dbc=$(realpath "$(dirname "$0")/../examples/vehicle.dbc")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
passed=0
failed=0
gib=1073741824

# A process that has not ended: one that ended but was not waited for yet is a zombie (Z).
running() { grep -q '^State:[[:space:]]*[^Z]' "/proc/$1/status" 2>/dev/null; }

# Runs a command, keeping its peak memory (KiB) in $peak, its seconds in $seconds and the largest
# anonymous memory seen while it ran (KiB, sampled every 0.1 s: heap and stacks, not the page
# cache) in $anon.
measure() {
    /usr/bin/time -f '%M %e' -o measure.txt "$@" &
    timer=$!
    anon=0
    while running "$timer"; do
        for child in $(pgrep -P "$timer"); do
            # The child may end between pgrep and sed: no sample then.
            sample=$(sed -n 's/^RssAnon:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$child/status" \
                2>/dev/null) || sample=""
            [ -n "$sample" ] && [ "$sample" -gt "$anon" ] && anon=$sample
        done
        sleep 0.1
    done
    wait "$timer" && status=0 || status=$?
    read -r peak seconds <<EOT
$(tail -n 1 measure.txt)
EOT
}
check() {
    if [ "$1" = ok ]; then
        echo "ok: $2"
        passed=$((passed + 1))
    else
        echo "FAILED: $2" >&2
        failed=$((failed + 1))
    fi
}

# 32-byte records after a 436-byte head; the few bytes left to 1 GiB end the chunk walk.
frames=$(( (gib - 436) / 32 ))
printf 'variant 29\nstart 1700000000 0\nrandom %s seed 5 length 8 ids std:0x300,std:0x7F0,std:0x7F1,std:0x7F2\n' \
    "$frames" | "$dtgen" - big.DT
truncate -s $gib big.DT
measure "$cli" convert --dbc "$dbc" --jobs 1 --quiet big.DT
limit=$(( 64 * 1024 ))
[ "$status" -eq 0 ] && [ "$peak" -le "$limit" ] && result=ok || result=bad
check $result "1 GiB capture converted (exit $status) in $seconds s, peak $peak KiB (anonymous $anon KiB), limit $limit KiB, $(wc -l < big.csv) lines"
lines=$(wc -l < big.csv)
sum=$(md5sum < big.csv)
rm -f big.csv

# The same capture on two workers, in parts: the same bytes, each worker with a few blocks.
measure "$cli" convert --dbc "$dbc" --jobs 2 --quiet big.DT
limit=$(( 2 * 64 * 1024 ))
[ "$status" -eq 0 ] && [ "$peak" -le "$limit" ] && [ "$(md5sum < big.csv)" = "$sum" ] &&
    result=ok || result=bad
check $result "1 GiB capture converted in parts with --jobs 2 (exit $status) in $seconds s, peak $peak KiB (anonymous $anon KiB), limit $limit KiB, the bytes of --jobs 1"
rm -f big.csv

# The same capture under a second name: two workers, each with its own blocks.
ln big.DT big2.DT
measure "$cli" convert --dbc "$dbc" --jobs 2 --quiet big.DT big2.DT
limit=$(( 2 * 64 * 1024 ))
[ "$status" -eq 0 ] && [ "$peak" -le "$limit" ] && [ "$(wc -l < big2.csv)" -eq "$lines" ] &&
    cmp -s big.csv big2.csv && result=ok || result=bad
check $result "2 captures of 1 GiB converted with --jobs 2 (exit $status) in $seconds s, peak $peak KiB (anonymous $anon KiB), limit $limit KiB"
rm -f big.csv big2.csv big2.DT

truncate -s $((gib + 1)) big.DT
measure "$cli" convert --dbc "$dbc" --quiet big.DT 2> refused.txt
[ "$status" -eq 1 ] && grep -q 0x8007000D refused.txt && [ ! -e big.csv ] && result=ok || result=bad
check $result "1 GiB + 1 byte refused in $seconds s, peak $peak KiB: $(cat refused.txt)"
rm -f big.DT

# Without the byte 0x1A, which would end the input as Ctrl-Z does.
# A last bad statement shows in the log that every line was read.
head -c 110000000 /dev/urandom | LC_ALL=C tr -d '\032' | head -c 100000000 > garbage.dbc
printf '\nBO_ 1 X: 8 Y\n SG_ Bad : 7|8@1+x (1,0) [0|1] "" A\n' >> garbage.dbc
measure "$cli" dbc garbage.dbc > /dev/null 2>&1
[ "$status" -eq 2 ] && [ "$peak" -le 262144 ] && [ "${seconds%.*}" -lt 120 ] &&
    grep -q ":L$(wc -l < garbage.dbc) >>  SG_ Bad" dbcload.log && result=ok || result=bad
check $result "100 MB of random bytes as a DBC file: exit $status in $seconds s, peak $peak KiB, log $(wc -c < dbcload.log) bytes"

# Garbage made of the DBC's own words and signs, so that statements start and break off: 1 MB of
# random token lines, repeated to 100 MB.
awk 'BEGIN {
    srand(7); n = split("BO_ SG_ VAL_ CM_ BA_DEF_ BA_ BU_: SG_MUL_VAL_ SIG_VALTYPE_ VAL_TABLE_ " \
        "m1 M m2M 7|16@0- 0|8@1+ (0.1,-40) [0|255] \"km/h\" \"a b\" ; : , 100 2566869221 " \
        "Speed Engine -1e308 1e999 nan 0x10 ]|[ @@ ((", token, " ")
    while (size < 1000000) {
        line = (rand() < 0.3) ? " " : ""; count = 1 + int(rand() * 14)
        for (i = 0; i < count; i++) line = line token[1 + int(rand() * n)] " "
        print line; size += length(line) + 1
    }
}' > block.dbc
for i in $(seq 100); do cat block.dbc; done > words.dbc
measure "$cli" dbc words.dbc > /dev/null 2>&1
[ "$status" -eq 2 ] && [ "$peak" -le 262144 ] && [ "${seconds%.*}" -lt 120 ] && result=ok || result=bad
check $result "$(wc -c < words.dbc) bytes of DBC words as a DBC file: exit $status in $seconds s, peak $peak KiB, log $(wc -c < dbcload.log) bytes"

# The limit for a DBC file that loads: four times its size plus 64 MiB.
dbc_limit() { echo $(( 4 * $(wc -c < "$1") / 1024 + 64 * 1024 )); }

# 20 MB of the shortest signal lines: the per-signal cost must stay within a few bytes per byte.
awk 'BEGIN {
    printf "VERSION \"\"\n\nBU_: E\n"
    for (m = 0; size < 20000000; m++) {
        line = sprintf("BO_ %d M%d: 8 E\n", m, m); size += length(line); printf "%s", line
        for (s = 0; s < 8; s++) {
            line = sprintf(" SG_ S%d : %d|8@1+ (1,0) [0|0] \"\" E\n", s, s * 8)
            size += length(line); printf "%s", line
        }
    }
}' > signals.dbc
measure "$cli" dbc signals.dbc > /dev/null 2>&1
limit=$(dbc_limit signals.dbc)
[ "$status" -eq 0 ] && [ "$peak" -le "$limit" ] && result=ok || result=bad
check $result "$(wc -c < signals.dbc) bytes of signal lines: exit $status in $seconds s, peak $peak KiB, limit $limit KiB"

# One message of 8000 signals named alike (multiplexed) and one VAL_ of 1200 entries for them:
# each signal refers to the one set instead of holding a copy.
awk 'BEGIN {
    printf "VERSION \"\"\n\nBU_: E\n\nBO_ 1 M: 8 E\n SG_ Mux M : 0|8@1+ (1,0) [0|0] \"\" E\n"
    for (s = 0; s < 8000; s++) printf " SG_ V m%d : 8|16@1+ (1,0) [0|0] \"\" E\n", s % 256
    printf "\nVAL_ 1 V"
    for (v = 0; v < 1200; v++) printf "%s %d \"v%d\"", (v % 8 ? "" : "\n"), v, v
    printf " ;\n"
}' > shared.dbc
measure "$cli" dbc shared.dbc > /dev/null 2>&1
limit=$(dbc_limit shared.dbc)
[ "$status" -eq 0 ] && [ "$peak" -le "$limit" ] && result=ok || result=bad
check $result "$(wc -c < shared.dbc) bytes with one value table for 8000 signals: exit $status in $seconds s, peak $peak KiB, limit $limit KiB"

echo "limits: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
