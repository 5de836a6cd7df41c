#!/usr/bin/env python3
"""Check the hand-written text files of the 音形义 judgement before they are committed.

    python3 db/quality/check_quality_data.py [--order CHARLIST GLOSSFILE]...

Checks every ill_sounds_*.tsv (词, 拼音, 类别) and char_glosses_*.tsv (字, 释义, 义类, 标记) in
this folder, and popular_names.tsv when it exists. Pinyin is checked against the readings
Unihan gives each character (Debian unicode-data, development time only), so a slip such as
a wrong tone or a syllable that does not exist is caught here and not in a test run.

--order takes a character list (one character per line, first column) and the gloss file
written for it, and checks that the file holds exactly those characters in that order.
Exit status 1 when anything is wrong; every fault is printed with its file and line.
"""

import glob
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "dict"))
import unihan  # noqa: E402

ILL_CATEGORIES = {"疾病", "死亡", "身体", "排泄", "破财", "粗俗", "嘲弄", "辱骂", "滑稽"}
MEANING_CLASSES = {"德行", "才智", "志向", "自然", "光明", "吉祥", "美好", "安康", "文雅", "珍宝",
                   "勇武", "其他"}
MARKS = {"", "姓氏", "数字", "平淡", "怪异", "生僻"}
SYLLABLE = re.compile(r"^([a-z]+)([1-5])$")

faults = []


def fault(path, lineno, text):
    faults.append("%s:%d: %s" % (os.path.relpath(path), lineno, text))


def rows(path, columns):
    """(line number, fields) of every data line; a wrong column count is a fault."""
    with open(path, encoding="utf-8") as fh:
        for lineno, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != columns:
                fault(path, lineno, "%d columns, want %d" % (len(fields), columns))
                continue
            yield lineno, fields


def numbered(reading):
    """'zhōng' -> ('zhong', 1); neutral readings get tone 5; ü becomes v."""
    tone = 5
    plain = []
    for c in unicodedata.normalize("NFD", reading):
        mark = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}.get(c)
        if mark:
            tone = mark
        elif c == "\u0308":
            plain.append("v")
            if plain[-2:-1] == ["u"]:
                plain.pop(-2)
        else:
            plain.append(c)
    return "".join(plain).replace("ü", "v"), tone


class Readings:
    def __init__(self):
        self.db = unihan.Unihan()
        self.cache = {}
        self.syllables = set()
        for value in self.db.raw["kMandarin"].values():
            for r in value.split():
                self.syllables.add(numbered(r)[0])

    def of(self, ch):
        if ch not in self.cache:
            self.cache[ch] = {numbered(r) for r in self.db.readings(ch)}
        return self.cache[ch]


def check_ill_sounds(path, readings, seen):
    for lineno, (word, pinyin, category) in rows(path, 3):
        if category not in ILL_CATEGORIES:
            fault(path, lineno, "unknown category %r" % category)
        if not 2 <= len(word) <= 4:
            fault(path, lineno, "%s: %d characters, want 2-4" % (word, len(word)))
        if word in seen:
            fault(path, lineno, "%s also at %s" % (word, seen[word]))
        seen[word] = "%s:%d" % (os.path.basename(path), lineno)
        syllables = pinyin.split(" ")
        if len(syllables) != len(word):
            fault(path, lineno, "%s: %d syllables for %d characters" % (word, len(syllables), len(word)))
            continue
        for ch, syl in zip(word, syllables):
            m = SYLLABLE.match(syl)
            if not m:
                fault(path, lineno, "%s: %r is not a syllable with a tone digit" % (word, syl))
                continue
            base, tone = m.group(1), int(m.group(2))
            if base not in readings.syllables:
                fault(path, lineno, "%s: %r is no pinyin syllable" % (word, base))
                continue
            known = readings.of(ch)
            if not known:
                continue
            if not any(b == base and (t == tone or tone == 5) for b, t in known):
                fault(path, lineno, "%s: %s read %s, Unihan has %s" % (
                    word, ch, syl, " ".join(sorted("%s%d" % r for r in known))))


def name_characters():
    chars = set()
    with open(os.path.join(HERE, "..", "dict", "name_chars.txt"), encoding="utf-8") as fh:
        for line in fh:
            if line.startswith("#") or "\t" not in line:
                continue
            chars.update(line.rstrip("\n").split("\t", 1)[1])
    return chars


def check_glosses(path, name_chars, seen):
    order = []
    for lineno, (ch, gloss, klass, mark) in rows(path, 4):
        order.append(ch)
        if len(ch) != 1:
            fault(path, lineno, "%r is not one character" % ch)
        elif ch not in name_chars:
            fault(path, lineno, "%s is not in name_chars.txt" % ch)
        if ch in seen:
            fault(path, lineno, "%s also at %s" % (ch, seen[ch]))
        seen[ch] = "%s:%d" % (os.path.basename(path), lineno)
        if not 4 <= len(gloss) <= 20:
            fault(path, lineno, "%s: gloss of %d characters, want 4-20" % (ch, len(gloss)))
        if gloss.startswith(ch + "：") or gloss.endswith("。") or gloss != gloss.strip():
            fault(path, lineno, "%s: gloss carries a prefix, a full stop or blanks" % ch)
        if re.search(r"[A-Za-z,;:()]", gloss):
            fault(path, lineno, "%s: gloss has Latin letters or ASCII punctuation" % ch)
        if klass not in MEANING_CLASSES:
            fault(path, lineno, "%s: unknown meaning class %r" % (ch, klass))
        if mark not in MARKS:
            fault(path, lineno, "%s: unknown mark %r" % (ch, mark))
    return order


def check_order(list_path, gloss_path, orders):
    want = []
    with open(list_path, encoding="utf-8") as fh:
        for line in fh:
            if line.strip() and not line.startswith("#"):
                want.append(line.split("\t")[0].strip())
    got = orders.get(os.path.abspath(gloss_path), [])
    missing = [c for c in want if c not in set(got)]
    extra = [c for c in got if c not in set(want)]
    if missing:
        fault(gloss_path, 0, "missing %d characters: %s" % (len(missing), "".join(missing[:40])))
    if extra:
        fault(gloss_path, 0, "characters not in %s: %s" % (list_path, "".join(extra[:40])))
    if not missing and not extra and got != want:
        first = next(i for i, (a, b) in enumerate(zip(got, want)) if a != b)
        fault(gloss_path, 0, "order differs from %s at entry %d (%s, want %s)" % (
            list_path, first + 1, got[first], want[first]))


def check_popular(path):
    seen = set()
    for lineno, (year, sex, rank, name) in rows(path, 4):
        if not re.fullmatch(r"20(1[5-9]|2[0-4])", year):
            fault(path, lineno, "year %r outside 2015-2024" % year)
        if sex not in ("男", "女"):
            fault(path, lineno, "sex %r" % sex)
        if not re.fullmatch(r"[1-9]|10", rank):
            fault(path, lineno, "rank %r outside 1-10" % rank)
        if not 1 <= len(name) <= 3 or not all("\u4e00" <= c <= "\u9fff" for c in name):
            fault(path, lineno, "given name %r" % name)
        key = (year, sex, rank)
        if key in seen:
            fault(path, lineno, "rank %s given twice for %s %s" % (rank, year, sex))
        seen.add(key)


def main(argv):
    pairs = []
    args = argv[1:]
    while args:
        if args[0] == "--order" and len(args) >= 3:
            pairs.append((args[1], args[2]))
            args = args[3:]
        else:
            print(__doc__)
            return 2
    readings = Readings()
    words = {}
    counts = {}
    for path in sorted(glob.glob(os.path.join(HERE, "ill_sounds_*.tsv"))):
        check_ill_sounds(path, readings, words)
        for _, (_, _, category) in rows(path, 3):
            counts[category] = counts.get(category, 0) + 1
    name_chars = name_characters()
    glossed = {}
    orders = {}
    for path in sorted(glob.glob(os.path.join(HERE, "char_glosses_*.tsv"))):
        orders[os.path.abspath(path)] = check_glosses(path, name_chars, glossed)
    for list_path, gloss_path in pairs:
        check_order(list_path, gloss_path, orders)
    popular = os.path.join(HERE, "popular_names.tsv")
    if os.path.exists(popular):
        check_popular(popular)
    for line in faults:
        print(line)
    print("ill-sounding words: %d (%s)" % (len(words), ", ".join(
        "%s %d" % kv for kv in sorted(counts.items()))))
    print("glossed characters: %d of %d name characters" % (len(glossed), len(name_chars)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
