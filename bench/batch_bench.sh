#!/bin/sh
# Charts per second of `quintara-cli positions --batch` over a million lines,
# with one job and with one per core, from the built-in theory unless a
# third argument names the ephemeris (a new home's settings would choose
# the precise one where its files are installed).
set -e
cli="${1:-build/cli/quintara-cli}"
lines="${2:-1000000}"
ephemeris="${3:-builtin}"
in=$(mktemp)
awk -v n="$lines" 'BEGIN{for(i=0;i<n;i++) printf "{\"year\":%d,\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d,\"adjust\":-1.00,\"lat\":48.52,\"lon\":-2.21,\"house\":%d,\"zodiac\":0}\n", 1800+i%300, 1+i%12, 1+i%28, i%24, i%60, i%9}' > "$in"
for jobs in 1 $(nproc); do
    start=$(date +%s.%N)
    "$cli" positions --batch --ephemeris "$ephemeris" --jobs "$jobs" < "$in" > /dev/null
    end=$(date +%s.%N)
    echo "$start $end $jobs $lines" | awk '{printf "%d charts, %d job(s): %.2f s, %.0f charts/s\n", $4, $3, $2-$1, $4/($2-$1)}'
done
rm -f "$in"
