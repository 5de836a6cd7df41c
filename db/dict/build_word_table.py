#!/usr/bin/env python3
"""Regenerate db/sources/Velmora/word.tsv and db/sources/Tgcode/hzwh.tsv.

Run from anywhere:  python3 db/dict/build_word_table.py
Needs the Debian packages unicode-data and opencc (development time only).
The output is sorted and contains no dates, so a rerun is byte-identical.
Prints the row counts and the agreement with tests/data/published_strokes.tsv.
"""

import collections
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


def read_tagged_lines(name):
    """[(tag, text)] of the "tag<TAB>text" lines of a list here, in file order."""
    with open(os.path.join(HERE, name), encoding="utf-8") as fh:
        return [tuple(line.rstrip("\n").split("\t", 1)) for line in fh
                if not line.startswith("#") and "\t" in line]


def read_name_chars():
    """[(char, category)] from name_chars.txt in file order."""
    return [(c, tag) for tag, chars in read_tagged_lines("name_chars.txt")
            for c in chars if not c.isspace()]


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


def given_names():
    """[(sex, name)] of real given names: popular_given_names.txt, then the
    zh_CN given names of @faker-js/faker (faker_zh_given_names.tsv, whose
    generic list counts for no sex, "通")."""
    popular = [(sex, n) for sex, names in read_tagged_lines("popular_given_names.txt")
               for n in names.split()]
    faker = [(r["sex"], r["name"]) for r in read_tsv(
        os.path.join(HERE, "faker_zh_given_names.tsv"))]
    return popular, faker


def check_name_chars(names, in_tgh, ill, popular, faker):
    """Exit with a message when name_chars.txt breaks one of its rules."""
    def gbk(c):
        try:
            c.encode("gbk")
            return True
        except UnicodeEncodeError:
            return False
    bad = [c for c, _ in names if c not in in_tgh or c in ill or not gbk(c)]
    if bad:
        sys.exit("name_chars.txt: not allowed: " + "".join(bad))
    seen, dup = set(), set()
    for c, _ in names:
        (dup if c in seen else seen).add(c)
    if dup:
        sys.exit("name_chars.txt: listed twice: " + "".join(sorted(dup)))
    # Every character of a real given name must be offered for the sex the
    # name was given to, so the popular names can be generated again.
    category = dict(names)
    missing = sorted({"%s %s (%s)" % (sex, name, c)
                      for sex, name in popular + faker if sex in "男女"
                      for c in name if category.get(c) not in (sex, "中")})
    if missing:
        sys.exit("name_chars.txt: given names not offered for their sex: "
                 + ", ".join(missing))


def build():
    u = unihan.Unihan()
    s2t = unihan.load_opencc_s2t()
    overrides = {r["zi"]: r for r in read_tsv(
        os.path.join(HERE, "stroke_overrides.tsv"))}
    named = {r["zi"]: r["wuhang"] for r in read_tsv(
        os.path.join(HERE, "wuxing_names.tsv"))}
    names = read_name_chars()
    ill = read_char_set("ill_omened.txt")
    popular, faker = given_names()

    tgh = u.tgh_chars()
    in_tgh = {c for c, _, _ in tgh}
    check_name_chars(names, in_tgh, ill, popular, faker)
    category = dict(names)
    file_pos = {c: i for i, (c, _) in enumerate(names)}
    # Commonness in given names: how many of the popular names and of the
    # faker names use a character.
    in_popular = collections.Counter(c for _, n in popular for c in set(n))
    in_faker = collections.Counter(c for _, n in faker for c in set(n))

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

    # First rank: name characters first, the most common in given names ahead
    # (those of the popular names by how many use them, then those of the
    # faker names likewise, then the published name-element list), then by
    # character frequency and level; everything else after them by frequency.
    def px_key(r):
        zi = r["zi"]
        if r["Aflag"] == "\\N":
            return (0, -in_popular[zi], -in_faker[zi],
                    0 if zi in named else 1, r["freq"], r["level"],
                    file_pos[zi])
        return (1, 0, 0, 0, r["freq"], r["level"], r["id"])
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
    by_class = collections.Counter(r["xb"] for r in named)
    print("name characters (Aflag NULL): %d = boys only %d + girls only %d + "
          "either %d; nan=1: %d; nv=1: %d" % (
              len(named), by_class["男"], by_class["女"], by_class["1"],
              sum(r["nan"] for r in named), sum(r["nv"] for r in named)))
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
