#!/usr/bin/env python3
"""Extracts the traditional almanac rules from the npm package lunar-javascript (MIT licence) into
the reviewable text tables beside this script, and checks the built almanac against the package.

The package carries the day rules of the old almanac (the auspicious and inauspicious spirits and the
activities to do or avoid, keyed by the month's branch and the day's stem-branch pair; the fetus-god
position of each pair; the Pengzu taboos). Only those facts are taken; every day is computed by our
own calendar code at build time (db/builder/almanac_table.cpp).

    python3 db/almanac/extract_rules.py                       write day_rules.tsv, fetus_god.tsv, pengzu.tsv
    python3 db/almanac/extract_rules.py --check build/bin/KelBirth.dll
                                                              compare every day 1900-2100 with the package

Without --package the script installs lunar-javascript with npm into a temporary folder.
"""
import argparse
import datetime
import json
import os
import sqlite3
import subprocess
import sys
import tempfile
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
PACKAGE_VERSION = "1.7.7"
FIRST_YEAR, LAST_YEAR = 1900, 2100


def package_dir(given, workdir):
    if given:
        return given
    subprocess.run(["npm", "install", "--silent", "--no-save", "--prefix", workdir,
                    "lunar-javascript@" + PACKAGE_VERSION], check=True)
    return os.path.join(workdir, "node_modules", "lunar-javascript")


def node(package, *args):
    return subprocess.run(["node", os.path.join(HERE, "lunar_javascript.js"), package, *args],
                          check=True, capture_output=True, text=True).stdout


def write_tsv(name, header, columns, rows):
    with open(os.path.join(HERE, name), "w", encoding="utf-8", newline="\n") as f:
        for line in header:
            f.write("# " + line + "\n")
        f.write("\t".join(columns) + "\n")
        for row in rows:
            f.write("\t".join(row) + "\n")


def extract(package):
    rules = json.loads(node(package, "rules"))
    source = "Extracted by db/almanac/extract_rules.py from lunar-javascript %s (MIT licence)." % PACKAGE_VERSION
    write_tsv("day_rules.tsv",
              [source,
               "The day's spirits and activities by the month's branch (the month opened by the latest 节)",
               "and the day's stem-branch pair. Lists are separated by one blank; 无 stands for none."],
              ["month", "day", "good", "bad", "yi", "ji"],
              ([r["month"], r["day"], " ".join(r["good"]), " ".join(r["bad"]), " ".join(r["yi"]), " ".join(r["ji"])]
               for r in rules["days"]))
    write_tsv("fetus_god.tsv", [source, "Where the fetus god (胎神) stays on a day of each stem-branch pair."],
              ["day", "position"], ([r["day"], r["position"]] for r in rules["fetus"]))
    write_tsv("pengzu.tsv", [source, "The Pengzu taboos (彭祖百忌): one sentence for each stem, one for each branch."],
              ["key", "taboo"], ([t[0], t] for t in rules["pengzu"]))
    print("wrote %d day rules, %d fetus positions, %d taboos" %
          (len(rules["days"]), len(rules["fetus"]), len(rules["pengzu"])))


MONTHS = "正二三四五六七八九十冬腊"
DAYS = ["初" + c for c in "一二三四五六七八九十"] + ["十" + c for c in "一二三四五六七八九"] + ["二十"] + \
       ["廿" + c for c in "一二三四五六七八九"] + ["三十"]


def expected_row(d):
    """Our columns as the package would fill them, in our own layout."""
    month = abs(d["lunarMonth"])
    lunar = "农历%s年%s%s月%s" % (d["lunarYear"], "闰" if d["lunarMonth"] < 0 else "", MONTHS[month - 1],
                               DAYS[d["lunarDay"] - 1])
    return {
        "nn": (lunar, d["god"] + d["path"] + "日", "建除值" + d["officer"]),
        "suici": "%s年 %s月 %s日" % (d["year"], d["month"], d["dayPair"]),
        "wuhang": "%s %s执位" % (d["nayin"], d["officer"]),
        "cong": "(%s)%s 煞%s" % (d["clash"], d["clashAnimal"], d["sha"]),
        "pzbj": " ".join(d["pengzu"]),
        "tszf": d["fetus"],
        "jsyq": " ".join(d["good"]), "xsyq": " ".join(d["bad"]),
        "yi": " ".join(d["yi"]), "ji": " ".join(d["ji"]),
    }


def check(package, database):
    db = sqlite3.connect("file:%s?mode=ro" % database, uri=True)
    ours = {row[0]: row for row in db.execute(
        "select gn, nn, suici, wuhang, cong, pzbj, tszf, jsyq, xsyq, yi, ji from huangdao")}
    columns = ["nn", "suici", "wuhang", "cong", "pzbj", "tszf", "jsyq", "xsyq", "yi", "ji"]
    differing_days, by_column, samples, days = 0, Counter(), {}, 0
    for line in node(package, "days", str(FIRST_YEAR), str(LAST_YEAR)).splitlines():
        d = json.loads(line)
        days += 1
        want = expected_row(d)
        row = ours.get(d["date"])
        if row is None:
            differing_days += 1
            by_column["missing row"] += 1
            continue
        got = dict(zip(columns, row[1:]))
        bad = [c for c in columns
               if (not all(part in got[c] for part in want[c]) if c == "nn" else got[c] != want[c])]
        if bad:
            differing_days += 1
            for c in bad:
                by_column[c] += 1
                samples.setdefault(c, []).append(d["date"])
    print("%d days compared, %d rows in the table, %d days differ" % (days, len(ours), differing_days))
    for c, n in by_column.most_common():
        print("  %-12s %5d  %s" % (c, n, " ".join(date_runs(samples.get(c, [])))))
    return differing_days


def date_runs(dates):
    """2089-09-04 … 2089-10-03 for a run of consecutive days."""
    runs = []
    for text in dates:
        day = datetime.date.fromisoformat(text)
        if runs and runs[-1][1] + datetime.timedelta(days=1) == day:
            runs[-1][1] = day
        else:
            runs.append([day, day])
    return [a.isoformat() if a == b else "%s…%s" % (a.isoformat(), b.isoformat()) for a, b in runs]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--package", help="an unpacked lunar-javascript (default: install with npm)")
    parser.add_argument("--check", metavar="KelBirth.dll", help="compare the built table with the package")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as workdir:
        package = package_dir(args.package, workdir)
        if args.check:
            check(package, args.check)
        else:
            extract(package)


if __name__ == "__main__":
    sys.exit(main())
