#!/bin/sh
# Counts the instructions each program runs from its start to the end of its window's first
# paint, under callgrind, on the X server of $DISPLAY: the count stops when the window's backing
# store is first flushed to the screen. Unlike a time, the count holds still on a busy machine.
#
#   first_paint_instructions.sh RUNS NAME=PROGRAM...
#
# Prints "first-paint-instructions NAME MILLIONS", one line per run.
set -eu
runs=$1
shift
out=$(mktemp -d)
pid=""
cleanup() {
    [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
    rm -rf "$out"
}
trap cleanup EXIT

# Whether callgrind has written its first dump whole: its last line is the total.
dumped() {
    ls "$out/$1".*.1 >/dev/null 2>&1 && grep -q '^totals:' "$out/$1".*.1
}

for run in $(seq "$runs"); do
    for program in "$@"; do
        name=${program%%=*}
        valgrind --tool=callgrind --callgrind-out-file="$out/$name.%p" \
            "--dump-after=QBackingStore::flush*" "${program#*=}" >/dev/null 2>"$out/valgrind.log" &
        pid=$!
        tries=1200
        until dumped "$name"; do
            tries=$((tries - 1))
            if [ "$tries" -eq 0 ]; then
                echo "$0: $name painted nothing within 2 minutes under callgrind" >&2
                exit 1
            fi
            sleep 0.1
        done
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
        pid=""
        total=$(sed -n 's/^totals: //p' "$out/$name".*.1)
        echo "first-paint-instructions $name $(awk "BEGIN { printf \"%.3f\", $total / 1e6 }")"
        rm -f "$out/$name".*
    done
done
