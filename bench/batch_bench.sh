#!/bin/sh
# Charts per second of `quintara-cli positions --batch` over 100,000 lines.
set -e
cli="${1:-build/cli/quintara-cli}"
in=$(mktemp)
awk 'BEGIN{for(i=0;i<100000;i++) printf "{\"year\":%d,\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d,\"adjust\":-1.00,\"lat\":48.52,\"lon\":-2.21,\"house\":%d,\"zodiac\":0}\n", 1800+i%300, 1+i%12, 1+i%28, i%24, i%60, i%9}' > "$in"
start=$(date +%s.%N)
"$cli" positions --batch < "$in" > /dev/null
end=$(date +%s.%N)
rm -f "$in"
echo "$start $end" | awk '{printf "100000 charts in %.2f s: %.0f charts/s\n", $2-$1, 100000/($2-$1)}'
