#!/usr/bin/env python3
"""Check the hand-written data of the 音形义 judgement before it is committed.

    python3 db/quality/check_quality_data.py [--chars LIST.tsv GLOSSES.tsv]...

Without arguments it checks every ill_sounds_*.tsv and char_glosses_*.tsv in
this folder. An ill-sounding-word list must have three fields per row (word,
pinyin, category), one pinyin syllable per character, every syllable a real
Mandarin syllable with a tone digit 1-5 (ü written v), and no word twice.
A gloss list must have four fields (character, gloss, meaning class, mark),
a gloss of 4-20 characters, a known class and an empty or known mark.
`--chars` also checks that a gloss file holds every character of its list
(first column) exactly once and in the list's order.

Where Unihan (Debian unicode-data) is installed, each syllable is also
compared with the character's recorded readings; a reading Unihan does not
know is printed as a warning (a neutral tone 5 is always accepted), since it
is usually a slip but may be an everyday reading the dictionaries leave out.
Exit status 1 when an error is found.
"""

import glob
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "dict"))

CLASSES = {"德行", "才智", "志向", "自然", "光明", "吉祥", "美好", "安康", "文雅", "珍宝", "勇武", "其他"}
MARKS = {"", "姓氏", "数字", "平淡", "怪异", "生僻"}
CATEGORIES = {"疾病", "死亡", "身体", "排泄", "破财", "粗俗", "嘲弄", "辱骂", "滑稽"}

_TONE_OF_MARK = {"\u0304": "1", "\u0301": "2", "\u030c": "3", "\u0300": "4"}


def _to_digits(reading):
    """'lǘ' -> 'lv2'; a reading without a tone mark gets 5."""
    tone = "5"
    base = []
    for c in unicodedata.normalize("NFD", reading.strip().lower()):
        if c in _TONE_OF_MARK:
            tone = _TONE_OF_MARK[c]
        elif c == "\u0308":
            base[-1] = "v"
        else:
            base.append(c)
    return "".join(base) + tone


def load_readings():
    """{char: set of 'syllable+tone'} from Unihan, or None when not installed."""
    try:
        import unihan
        raw = unihan.load_fields(["kMandarin", "kHanyuPinyin", "kXHC1983", "kTGHZ2013"],
                                 files=["Readings"])
    except (OSError, ImportError):
        return None
    out = {}
    for field, table in raw.items():
        for ch, value in table.items():
            for item in value.split():
                # kHanyuPinyin / kXHC1983 / kTGHZ2013 look like "10001.010:fū,fú".
                item = item.split(":", 1)[-1]
                for reading in item.split(","):
                    if reading:
                        out.setdefault(ch, set()).add(_to_digits(reading))
    return out


def _syllable_set(readings):
    return {r[:-1] for rs in readings.values() for r in rs} if readings else None


def _rows(path):
    with open(path, encoding="utf-8") as fh:
        for n, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            yield n, line.split("\t")


def check_ill_sounds(path, readings, syllables, errors, warnings):
    seen = {}
    count = 0
    for n, f in _rows(path):
        where = "%s:%d" % (os.path.basename(path), n)
        if len(f) != 3:
            errors.append("%s: %d fields, want 3" % (where, len(f)))
            continue
        word, pinyin, category = f
        count += 1
        if category not in CATEGORIES:
            errors.append("%s: unknown category %r" % (where, category))
        if word in seen:
            errors.append("%s: %s already on line %d" % (where, word, seen[word]))
        seen[word] = n
        if not 2 <= len(word) <= 4:
            errors.append("%s: %s has %d characters, want 2-4" % (where, word, len(word)))
        parts = pinyin.split(" ")
        if len(parts) != len(word):
            errors.append("%s: %s has %d syllables for %d characters"
                          % (where, word, len(parts), len(word)))
            continue
        for ch, syl in zip(word, parts):
            if len(syl) < 2 or syl[-1] not in "12345" or not syl[:-1].isascii() \
                    or not syl[:-1].isalpha() or syl != syl.lower():
                errors.append("%s: bad syllable %r" % (where, syl))
                continue
            if syllables is not None and syl[:-1] not in syllables:
                errors.append("%s: %r is no Mandarin syllable" % (where, syl))
                continue
            if readings is not None and syl[-1] != "5" and syl not in readings.get(ch, ()):
                warnings.append("%s: %s read %s (Unihan: %s)"
                                % (where, ch, syl, " ".join(sorted(readings.get(ch, ())))))
    return count


def check_glosses(path, chars, errors):
    got = []
    for n, f in _rows(path):
        where = "%s:%d" % (os.path.basename(path), n)
        if len(f) != 4:
            errors.append("%s: %d fields, want 4" % (where, len(f)))
            continue
        ch, gloss, cls, mark = f
        got.append(ch)
        if len(ch) != 1:
            errors.append("%s: %r is not one character" % (where, ch))
        if not 4 <= len(gloss) <= 20:
            errors.append("%s: gloss of %s has %d characters, want 4-20" % (where, ch, len(gloss)))
        if gloss.startswith(ch + "："):
            errors.append("%s: gloss of %s repeats the character as a prefix" % (where, ch))
        if cls not in CLASSES:
            errors.append("%s: unknown class %r" % (where, cls))
        if mark not in MARKS:
            errors.append("%s: unknown mark %r" % (where, mark))
    dup = sorted({c for c in got if got.count(c) > 1})
    if dup:
        errors.append("%s: characters given twice: %s" % (os.path.basename(path), "".join(dup)))
    if chars is not None:
        missing = [c for c in chars if c not in got]
        extra = [c for c in got if c not in chars]
        if missing:
            errors.append("%s: %d characters missing, first %s"
                          % (os.path.basename(path), len(missing), "".join(missing[:20])))
        if extra:
            errors.append("%s: characters not in the list: %s" % (os.path.basename(path), "".join(extra)))
        if not missing and not extra and not dup and got != chars:
            errors.append("%s: characters not in the list's order" % os.path.basename(path))
    return len(got)


def _list_chars(path):
    return [f[0] for _, f in _rows(path) if f and f[0]]


def main(argv):
    pairs = []
    args = list(argv)
    while args:
        if args[0] == "--chars" and len(args) >= 3:
            pairs.append((args[1], args[2]))
            del args[:3]
        else:
            sys.stderr.write(__doc__)
            return 2
    errors, warnings = [], []
    readings = load_readings()
    syllables = _syllable_set(readings)
    for path in sorted(glob.glob(os.path.join(HERE, "ill_sounds_*.tsv"))):
        count = check_ill_sounds(path, readings, syllables, errors, warnings)
        print("%s: %d words" % (os.path.basename(path), count))
    listed = {os.path.abspath(g): c for c, g in pairs}
    for path in sorted(glob.glob(os.path.join(HERE, "char_glosses_*.tsv"))):
        lst = listed.get(os.path.abspath(path))
        count = check_glosses(path, _list_chars(lst) if lst else None, errors)
        print("%s: %d characters" % (os.path.basename(path), count))
    for w in warnings:
        print("warning: " + w)
    for e in errors:
        print("error: " + e)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
