#!/usr/bin/env python3
"""Writes the four bone-weight lookup tables of dream.dll from the traditional 称骨 weights.

The weights are the folk tables that go with the 称骨歌: one weight per stem-branch year, per lunar
month, per lunar day and per double hour, in 钱 (tenths of a 两).  They are kept here in 钱 as
integers so that the sums below are exact; the TSV files carry them in 两 with one decimal.

Run from the repository root:  python3 db/bone/make_chenggu.py
It rewrites db/sources/dream/chenggu1.tsv … chenggu4.tsv and checks that chenggu.tsv (the verses,
written by hand) has a row for every total the four tables can add up to.
"""
import itertools
import os
import sys

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"

# Year weight by stem-branch pair, in the order of the sixty-year cycle starting at 甲子.
YEAR_QIAN = [
    12, 9, 6, 7, 12, 5, 9, 8, 7, 8,      # 甲子 乙丑 丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉
    15, 9, 16, 8, 8, 19, 12, 6, 8, 7,    # 甲戌 乙亥 丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未
    5, 15, 6, 16, 15, 7, 9, 12, 10, 7,   # 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯 壬辰 癸巳
    15, 6, 5, 14, 14, 9, 7, 7, 9, 12,    # 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑 壬寅 癸卯
    8, 7, 13, 5, 14, 5, 9, 17, 5, 7,     # 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 辛亥 壬子 癸丑
    12, 8, 8, 6, 19, 6, 8, 16, 10, 6,    # 甲寅 乙卯 丙辰 丁巳 戊午 己未 庚申 辛酉 壬戌 癸亥
]

# Lunar months 正月 … 十二月.
MONTH_QIAN = [6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5]

# Lunar days 初一 … 三十.
DAY_QIAN = [
    5, 10, 8, 15, 16, 15, 8, 16, 8, 16,    # 初一 … 初十
    9, 17, 8, 17, 10, 8, 9, 18, 5, 15,     # 十一 … 二十
    10, 9, 8, 9, 15, 18, 7, 8, 16, 6,      # 廿一 … 三十
]

# Double hours 子 丑 寅 … 亥.
HOUR_QIAN = [16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6]

FIRST_YEAR, LAST_YEAR = 1900, 2100


def stem_branch(index):
    return STEMS[index % 10] + BRANCHES[index % 12]


def cycle_index(year):
    # 4 CE was a 甲子 year; the lunar year number alone fixes its pair.
    return (year - 4) % 60


def double_hour(hour):
    # 子 runs from 23:00 to 00:59, so 23 and 0 share it; every later branch covers two hours.
    return ((hour + 1) // 2) % 12


def liang(qian):
    return f"{qian // 10}.{qian % 10}"


def write_table(path, comments, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for line in comments:
            out.write(f"# {line}\n")
        out.write("\t".join(header) + "\n")
        for row in rows:
            out.write("\t".join(str(v) for v in row) + "\n")


def reachable_totals():
    hours = sorted(set(HOUR_QIAN))
    return sorted({y + m + d + h for y, m, d, h in
                   itertools.product(set(YEAR_QIAN), set(MONTH_QIAN), set(DAY_QIAN), hours)})


def main():
    assert len(YEAR_QIAN) == 60 and len(MONTH_QIAN) == 12 and len(DAY_QIAN) == 30 and len(HOUR_QIAN) == 12
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sources", "dream")
    source = "Traditional 称骨 weights (folk tables of the 称骨歌); written by db/bone/make_chenggu.py, do not edit."

    cycle = [f"{stem_branch(i)} {liang(w)}" for i, w in enumerate(YEAR_QIAN)]
    year_comments = [source, "Key: the lunar year number; its stem-branch pair is (year - 4) mod 60, 甲子 = 0.",
                     "Weights of the sixty pairs, in 两:"]
    year_comments += ["  " + "  ".join(cycle[i:i + 10]) for i in range(0, 60, 10)]
    write_table(os.path.join(root, "chenggu1.tsv"), year_comments, ["year", "weight"],
                [(y, liang(YEAR_QIAN[cycle_index(y)])) for y in range(FIRST_YEAR, LAST_YEAR + 1)])

    write_table(os.path.join(root, "chenggu2.tsv"), [source, "Key: the lunar month 1 … 12 (正月 … 十二月)."],
                ["month2", "weight"], [(m, liang(w)) for m, w in enumerate(MONTH_QIAN, 1)])

    write_table(os.path.join(root, "chenggu3.tsv"), [source, "Key: the lunar day 1 … 30 (初一 … 三十)."],
                ["day2", "weight"], [(d, liang(w)) for d, w in enumerate(DAY_QIAN, 1)])

    write_table(os.path.join(root, "chenggu4.tsv"),
                [source, "Key: the clock hour 0 … 23, weighted by its double hour: 23 and 0 子, 1-2 丑, 3-4 寅 … 21-22 亥.",
                 "Double-hour weights: " + " ".join(f"{BRANCHES[i]} {liang(w)}" for i, w in enumerate(HOUR_QIAN))],
                ["time", "weight"], [(h, liang(HOUR_QIAN[double_hour(h)])) for h in range(24)])

    totals = reachable_totals()
    if totals[-1] >= 100:
        sys.exit("a total reaches 10 两 and no longer fits the two-digit weight code")
    wanted = {f"{t:02d}" for t in range(totals[0], totals[-1] + 1)}
    have = set()
    verses = os.path.join(root, "chenggu.tsv")
    if os.path.exists(verses):
        with open(verses, encoding="utf-8") as f:
            lines = [l.rstrip("\n") for l in f if l.strip() and not l.startswith("#")]
        have = {l.split("\t")[0] for l in lines[1:]}
    missing = sorted(wanted - have)
    print(f"totals {liang(totals[0])} … {liang(totals[-1])} 两; {len(wanted)} weight codes; "
          f"chenggu.tsv missing: {' '.join(missing) or 'none'}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
