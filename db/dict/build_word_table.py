#!/usr/bin/env python3
"""Regenerate db/sources/Velmora/word.tsv and db/sources/Tgcode/hzwh.tsv.

Run from anywhere:  python3 db/dict/build_word_table.py
Needs the Debian packages unicode-data and opencc (development time only).
The output is sorted and contains no dates, so a rerun is byte-identical.
Prints the row counts and the agreement with tests/data/published_strokes.tsv.
"""

import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)

import unihan  # noqa: E402

WORD_TSV = os.path.join(ROOT, "db", "sources", "Velmora", "word.tsv")
HZWH_TSV = os.path.join(ROOT, "db", "sources", "Tgcode", "hzwh.tsv")
PUBLISHED = os.path.join(ROOT, "tests", "data", "published_strokes.tsv")

ELEMENTS = "金木水火土"

# Layer (b) of the five-element rule: the KangXi radical of the traditional
# form names the element when the name-character table is silent.
RADICAL_ELEMENT = {}
for _element, _radicals in (
        # 金 钅 刂 戈 斤 矛 矢 贝(money) 辛 酉
        ("金", (167, 18, 62, 69, 110, 111, 154, 160, 164)),
        # 木 艹 竹 禾 米 糸(plant fibre) 屮 麦 黍 瓜 韭
        ("木", (75, 140, 118, 115, 119, 120, 45, 199, 202, 97, 179)),
        # 水 冫 雨 鱼 黑(north)
        ("水", (85, 15, 173, 195, 203)),
        # 火 灬 日 赤
        ("火", (86, 72, 155)),
        # 土 山 石 田 阜(mound) 邑(town) 厂
        ("土", (32, 46, 112, 102, 170, 163, 27)),
):
    for _r in _radicals:
        RADICAL_ELEMENT[_r] = _element

# Layer (c): the initial of the reading, by the five-tone convention.
INITIAL_ELEMENT = (
    (("zh", "ch", "sh"), "金"),
    (("b", "p", "m", "f"), "水"),
    (("d", "t", "n", "l"), "火"),
    (("g", "k", "h"), "木"),
    (("z", "c", "s", "r", "j", "q", "x"), "金"),
)

STEMS_BRANCHES = (
    ("甲乙寅卯", "木"),
    ("丙丁巳午", "火"),
    ("戊己辰戌丑未", "土"),
    ("庚辛申酉", "金"),
    ("壬癸亥子", "水"),
)


def read_tsv(path):
    """Rows of a commented TSV as dicts keyed by its header."""
    rows, header = [], None
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if header is None:
                header = fields
            else:
                fields += [""] * (len(header) - len(fields))
                rows.append(dict(zip(header, fields)))
    return rows


def read_name_chars():
    """[(char, category)] from name_chars.txt in file order."""
    out = []
    with open(os.path.join(HERE, "name_chars.txt"), encoding="utf-8") as fh:
        for line in fh:
            if line.startswith("#") or "\t" not in line:
                continue
            tag, chars = line.rstrip("\n").split("\t", 1)
            out.extend((c, tag) for c in chars if not c.isspace())
    return out


def read_char_set(name):
    chars = set()
    with open(os.path.join(HERE, name), encoding="utf-8") as fh:
        for line in fh:
            if not line.startswith("#"):
                chars.update(c for c in line if not c.isspace())
    return chars


def initial_element(reading):
    plain = "".join(c for c in unicodedata.normalize("NFD", reading)
                    if not unicodedata.combining(c)).lower()
    for initials, element in INITIAL_ELEMENT:
        if plain.startswith(initials):
            return element
    return "土"  # a, o, e, y, w and other vowel-led readings


def element_of(zi, ft, readings, u, named):
    if zi in named:
        return named[zi]
    for ch in (ft, zi):
        rr = u.radical_residual(ch)
        if rr and rr[0] in RADICAL_ELEMENT:
            return RADICAL_ELEMENT[rr[0]]
    return initial_element(readings[0])


def faker_given_name_chars():
    """Characters of the zh_CN given names in @faker-js/faker, if unpacked.

    Only used to order the name characters; absent, the order falls back to
    the character frequency, so the table still builds (but differently).
    """
    path = os.path.join(HERE, "faker_zh_given_chars.txt")
    return read_char_set(path) if os.path.exists(path) else set()


def build():
    u = unihan.Unihan()
    s2t = unihan.load_opencc_s2t()
    overrides = {r["zi"]: r for r in read_tsv(
        os.path.join(HERE, "stroke_overrides.tsv"))}
    named = {r["zi"]: r["wuhang"] for r in read_tsv(
        os.path.join(HERE, "wuxing_names.tsv"))}
    names = read_name_chars()
    ill = read_char_set("ill_omened.txt")
    favoured = faker_given_name_chars()

    tgh = u.tgh_chars()
    in_tgh = {c for c, _, _ in tgh}
    bad = [c for c, _ in names if c not in in_tgh or c in ill]
    if bad:
        sys.exit("name_chars.txt: not allowed: " + "".join(bad))
    dup = {c for c, _ in names if [n for n, _ in names].count(c) > 1}
    if dup:
        sys.exit("name_chars.txt: listed twice: " + "".join(sorted(dup)))
    category = dict(names)
    file_pos = {c: i for i, (c, _) in enumerate(names)}

    # Row set and the second rank: position in the 2013 list, then GB2312
    # characters outside it in code order.
    order = [(c, level, idx) for c, level, idx in tgh]
    for c, _ in u.gb2312_chars():
        if c not in in_tgh:
            order.append((c, 4, 8105 + len(order) - len(tgh) + 1))

    rows = []
    for zi, level, idx in order:
        ov = overrides.get(zi)
        ft = ov["ft"] if ov and ov["ft"] else unihan.traditional_of(zi, s2t, u)
        if ov and ov["bh"]:
            bh = int(ov["bh"])
        else:
            bh = u.kangxi_strokes(ft) or u.kangxi_strokes(zi)
        readings = u.readings(zi) or u.readings(ft)
        if not bh or not readings:
            sys.exit("no strokes or reading for %s (%s)" % (zi, ft))
        wuhang = element_of(zi, ft, readings, u, named)
        cat = category.get(zi)
        rows.append({
            "zi": zi, "ft": ft, "bh": bh, "pinyin": "、".join(readings),
            "wuhang": wuhang,
            "nan": 1 if cat in ("男", "中") else 0,
            "nv": 1 if cat in ("女", "中") else 0,
            "xb": {"男": "男", "女": "女", "中": "1"}.get(cat, "0"),
            "id": idx, "level": level,
            "freq": u.frequency(zi) or 6,
            "Aflag": "\\N" if cat else "1",
        })

    # First rank: name characters first, those seen in real given names and
    # the frequent ones ahead; everything else after them by frequency.
    def px_key(r):
        if r["Aflag"] == "\\N":
            return (0, 0 if r["zi"] in favoured else 1,
                    0 if r["zi"] in named else 1, r["freq"], r["level"],
                    file_pos[r["zi"]])
        return (1, 0, 0, r["freq"], r["level"], r["id"])
    for rank, r in enumerate(sorted(rows, key=px_key), 1):
        r["px"] = rank
    return rows, u


def write_word(rows):
    cols = ["zi", "ft", "bh", "pinyin", "wuhang", "nan", "nv", "xb", "px",
            "id", "Aflag"]
    with open(WORD_TSV, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("# Character dictionary. Generated by db/dict/build_word_table.py"
                 " from Unihan (unicode-data),\n# OpenCC STCharacters (opencc) and"
                 " the curated lists in db/dict/; edit those, not this file.\n")
        fh.write("\t".join(cols) + "\n")
        for r in sorted(rows, key=lambda r: r["id"]):
            fh.write("\t".join(str(r[c]) for c in cols) + "\n")


def write_hzwh():
    with open(HZWH_TSV, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("# Heavenly stems and earthly branches by five element."
                 " Generated by db/dict/build_word_table.py.\n")
        fh.write("hz\twh\n")
        for hz, wh in STEMS_BRANCHES:
            fh.write(hz + "\t" + wh + "\n")


def report(rows):
    by_zi = {r["zi"]: r for r in rows}
    named = [r for r in rows if r["Aflag"] == "\\N"]
    print("word rows: %d (2013 list %d, GB2312 only %d)" % (
        len(rows), sum(r["level"] < 4 for r in rows),
        sum(r["level"] == 4 for r in rows)))
    print("hzwh rows: %d" % len(STEMS_BRANCHES))
    print("name characters (Aflag NULL): %d; nan=1: %d; nv=1: %d; "
          "xb 男 %d, 女 %d, neutral %d" % (
              len(named), sum(r["nan"] for r in named),
              sum(r["nv"] for r in named),
              sum(r["xb"] == "男" for r in named),
              sum(r["xb"] == "女" for r in named),
              sum(r["xb"] == "1" for r in named)))
    agree, misses = 0, []
    published = read_tsv(PUBLISHED)
    for p in published:
        r = by_zi.get(p["zi"])
        got = r["bh"] if r else 0
        if got == int(p["bh"]):
            agree += 1
        else:
            misses.append("%s %s (table %d)" % (p["zi"], p["bh"], got))
    print("published strokes: %d of %d agree (%.1f%%)" % (
        agree, len(published), 100.0 * agree / len(published)))
    for m in misses:
        print("  differs: " + m)


def main():
    rows, _ = build()
    write_word(rows)
    write_hzwh()
    report(rows)


if __name__ == "__main__":
    main()
