#!/bin/sh
# Installs what is missing, builds, and starts the desktop program; without
# a display it shows the command-line demonstration instead.
set -e
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec build/shell/quintara "$@"
fi
echo "No display: the command-line demonstration follows. With a display (DISPLAY or"
echo "WAYLAND_DISPLAY set), ./run.sh starts the desktop program build/shell/quintara."
echo
cli=build/cli/quintara-cli
echo "== Paris, 1 January 2000, 13:00 local time (adjust -1.00), Placidus"
$cli positions --date 2000-01-01 --time 13:00 --adjust -1.00 --lat 48N52 --lon 2E21 --house Placidus
echo
echo "== The same chart, sidereal, Koch houses, as JSON"
$cli positions --date 2000-01-01 --time 13:00 --adjust -1.00 --lat 48N52 --lon 2E21 --house Koch --zodiac sidereal --json
echo
echo "== Aspects of the Paris chart, scored, with totals"
$cli aspects --date 2000-01-01 --time 13:00 --adjust -1.00 --lat 48N52 --lon 2E21
echo
echo "== Synastry: Paris 2000 with Lyon 1985 (second chart options end in 2)"
$cli synastry --date 2000-01-01 --time 13:00 --adjust -1.00 --lat 48N52 --lon 2E21 \
  --date2 1985-03-02 --time2 08:10 --adjust2 -1.00 --lat2 45N45 --lon2 4E50
echo
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
echo "== Localities starting with \"par\""
$cli place par --limit 5 --home "$home"
echo
echo "== A 1985 birth in New York, zone from the time tables"
$cli chart --place "New York City" --zone auto --date 1985-07-04 --time 09:00 --home "$home" | head -4
echo
echo "== This year's transits of a 1990 Paris birth (all aspect kinds, first 24 lines), and weekly previsions"
$cli transits 2026-01-01 12 --all --date 1990-05-17 --time 14:30 --place Paris --zone auto --home "$home" | head -24
$cli previsions 2026-01-01 7.00 6 --date 1990-05-17 --time 14:30 --place Paris --zone auto --home "$home"
echo
echo "== The birth-chart interpretation (first 30 lines)"
$cli report analysis --date 1990-05-17 --time 14:30 --place Paris --zone auto --name Durand --home "$home" | head -30
echo
echo "== Pictures: the birth chart wheel as PNG, SVG and PDF"
$cli picture daisy --date 1990-05-17 --time 14:30 --place Paris --zone auto --name Durand --home "$home" -o "$home/wheel.png" 2>/dev/null
$cli picture daisy --date 1990-05-17 --time 14:30 --place Paris --zone auto --name Durand --home "$home" -o "$home/wheel.svg" 2>/dev/null
$cli picture moon 2026-12-07 --date 1990-05-17 --place Paris --home "$home" -o "$home/moon.pdf" 2>/dev/null
ls -l "$home/wheel.png" "$home/wheel.svg" "$home/moon.pdf" | awk '{print $5, $9}'
echo
echo "== Store, list and export charts"
$cli charts add --name Durand --first-name Elise --place Paris --zone auto --date 1950-06-01 --time 12:00 --home "$home"
$cli charts add --name Martin --place Lyon --zone auto --date 1985-03-02 --time 08:10 --home "$home"
$cli charts list --home "$home"
$cli charts export "$home/charts.txt" --home "$home" && head -c 200 "$home/charts.txt" && echo
echo
echo "== Batch mode (one bad line on purpose)"
printf '%s\n' \
  '{"year":1969,"month":7,"day":20,"hour":20,"minute":17,"adjust":0,"lat":28.31,"lon":80.39,"house":"Equal","zodiac":"tropical"}' \
  '{"year":1990,"month":13,"day":1,"hour":0,"minute":0,"adjust":0,"lat":0,"lon":0,"house":0,"zodiac":0}' \
  '{"year":2024,"month":6,"day":21,"hour":12,"minute":0,"adjust":"-2.00","lat":"69N39","lon":"18E57","house":"Koch","zodiac":0}' \
  | $cli positions --batch || true
