#!/usr/bin/env python3
"""Draws (locality, local date-time) pairs and the UT offset the IANA
database gives for them, with Python's own zoneinfo as an independent
reader of the time-zone files. The output is the fixture of the zone
accuracy test.

Usage: make_zone_pairs.py LOCALITIES_TSV COUNT OUT_TSV
Columns: city index, name, zone, year, month, day, hour, minute,
offset east in minutes, class (plain, change-day, lmt).
"""
import random
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo


def offset_minutes(dt):
    return round(dt.utcoffset().total_seconds() / 60)


def main():
    path, count, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    places = [line.rstrip("\n").split("\t") for line in open(path, encoding="utf-8")]
    rng = random.Random(20261207)
    start, end = datetime(1900, 1, 1), datetime(2035, 12, 31, 23, 59)
    span = int((end - start).total_seconds() // 60)
    with open(out, "w", encoding="utf-8") as f:
        for _ in range(count):
            k = rng.randrange(len(places))
            name, zone = places[k][0], places[k][6]
            local = start + timedelta(minutes=rng.randrange(span))
            tz = ZoneInfo(zone)
            dt = local.replace(tzinfo=tz)
            day = local.replace(hour=0, minute=0)
            offsets = {offset_minutes((day + timedelta(minutes=m)).replace(tzinfo=tz)) for m in range(0, 1440, 15)}
            offsets.add(offset_minutes((day + timedelta(days=1)).replace(tzinfo=tz)))
            kind = "lmt" if dt.tzname() == "LMT" else "change-day" if len(offsets) > 1 else "plain"
            f.write("\t".join(map(str, [k + 1, name, zone, local.year, local.month, local.day, local.hour,
                                        local.minute, offset_minutes(dt), kind])) + "\n")


if __name__ == "__main__":
    main()
