#!/bin/sh
# Counts the instructions each program runs from its start, under callgrind, on the X server of
# $DISPLAY: to the end of its window's first paint, when the window's backing store is first
# flushed to the screen, and to the moment it has gone idle, having painted and then not
# repainted for IDLE_MS milliseconds (FONTEDIT_EXIT_WHEN_IDLE ends it there). Unlike a time,
# the count holds still on a busy machine.
#
#   first_paint_instructions.sh RUNS NAME=PROGRAM...
#
# Prints "first-paint-instructions NAME MILLIONS" and "idle-instructions NAME MILLIONS", one
# pair per run.
set -eu
runs=$1
shift
idle_ms=${IDLE_MS:-1500}
out=$(mktemp -d)
pid=""
cleanup() {
    [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
    rm -rf "$out"
}
trap cleanup EXIT

millions() {
    awk '{ total += $2 } END { printf "%.3f", total / 1e6 }'
}

for run in $(seq "$runs"); do
    for program in "$@"; do
        name=${program%%=*}
        FONTEDIT_EXIT_WHEN_IDLE=$idle_ms valgrind --tool=callgrind \
            --callgrind-out-file="$out/$name.%p" "--dump-after=QBackingStore::flush*" \
            "${program#*=}" >/dev/null 2>"$out/valgrind.log" &
        pid=$!
        # The watchdog: a program that never goes idle is stopped after 2 minutes.
        (sleep 120 && kill -9 "$pid" 2>/dev/null) &
        watchdog=$!
        status=0
        wait "$pid" || status=$?
        kill "$watchdog" 2>/dev/null || true
        # Only the program's own counts: a child forked to start a D-Bus session inherits them.
        counts="$out/$name.$pid"
        pid=""
        if [ "$status" -ne 0 ] || [ ! -f "$counts.1" ]; then
            echo "$0: $name did not paint and go idle within 2 minutes under callgrind" >&2
            cat "$out/valgrind.log" >&2
            exit 1
        fi
        echo "first-paint-instructions $name $(grep -h '^totals:' "$counts.1" | millions)"
        echo "idle-instructions $name $(grep -h '^totals:' "$counts" "$counts".* | millions)"
        rm -f "$out/$name".*
    done
done
