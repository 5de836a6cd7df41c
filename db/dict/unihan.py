"""Loaders for the character facts the dictionary tables are built from.

Sources (both are Debian packages, installed at development time only):
  * unicode-data: /usr/share/unicode/Unihan_*.txt.bz2 (Unicode licence)
  * opencc / libopencc-data: /usr/share/opencc/STCharacters.ocd2 (Apache-2.0)

Everything here is stdlib only and returns plain dicts keyed by the character,
so other table builders (stroke tables for GB2312, readings for GBK, ...) can
reuse the same derivation instead of re-parsing the files their own way.
"""

import bz2
import os
import re
import subprocess
import tempfile

UNIHAN_DIR = os.environ.get("UNIHAN_DIR", "/usr/share/unicode")
OPENCC_DIR = os.environ.get("OPENCC_DIR", "/usr/share/opencc")

# First radical number of each stroke group of the 214 KangXi radicals.
# Radical strokes are fixed by the radical's number, never by the shape it
# takes inside a character: that is the whole point of 康熙 counting
# (氵 counts as 水 4, 艹 as 艸 6, left 阝 as 阜 8, right 阝 as 邑 7, ...).
_RADICAL_GROUPS = [
    (1, 1), (7, 2), (30, 3), (61, 4), (95, 5), (118, 6), (147, 7),
    (167, 8), (176, 9), (187, 10), (195, 11), (201, 12), (205, 13),
    (209, 14), (211, 15), (212, 16), (214, 17),
]

# The numerals are counted by their value in name numerology, not by glyph.
NUMERAL_STROKES = {
    "一": 1, "二": 2, "三": 3, "四": 4, "五": 5,
    "六": 6, "七": 7, "八": 8, "九": 9, "十": 10,
}


def radical_strokes(number):
    """Strokes of KangXi radical `number` (1..214) in its full form."""
    if not 1 <= number <= 214:
        raise ValueError("no KangXi radical %r" % number)
    strokes = 0
    for first, count in _RADICAL_GROUPS:
        if number >= first:
            strokes = count
    return strokes


_RADICAL_IDEOGRAPHS = None


def radical_ideographs():
    """{radical number: set of unified ideographs that are that radical}."""
    global _RADICAL_IDEOGRAPHS
    if _RADICAL_IDEOGRAPHS is None:
        table = {}
        with open(os.path.join(UNIHAN_DIR, "CJKRadicals.txt"),
                  encoding="utf-8") as fh:
            for line in fh:
                line = line.split("#", 1)[0].strip()
                if not line:
                    continue
                num, _, ideo = [x.strip() for x in line.split(";")]
                if num.isdigit():
                    table.setdefault(int(num), set()).add(chr(int(ideo, 16)))
        _RADICAL_IDEOGRAPHS = table
    return _RADICAL_IDEOGRAPHS


def _char(codepoint):
    return chr(int(codepoint[2:], 16))


def load_fields(fields, files=None):
    """Return {field: {char: raw value}} for the Unihan fields asked for.

    `files` limits the bz2 files read (names like "Readings"); by default all
    Unihan_*.txt.bz2 files are scanned.
    """
    wanted = set(fields)
    out = {f: {} for f in wanted}
    if files is None:
        names = sorted(n for n in os.listdir(UNIHAN_DIR)
                       if n.startswith("Unihan_") and n.endswith(".txt.bz2"))
    else:
        names = ["Unihan_%s.txt.bz2" % f for f in files]
    for name in names:
        with bz2.open(os.path.join(UNIHAN_DIR, name), "rt",
                      encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("#") or not line.strip():
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in wanted:
                    out[field][_char(cp)] = value
    return out


def has_tone_mark(reading):
    """True when a pinyin reading carries a tone mark (any combining accent after NFD)."""
    import unicodedata
    return any(unicodedata.category(c) == "Mn" for c in unicodedata.normalize("NFD", reading)
               if c not in "\u0308")  # the diaeresis of ü is no tone


class Unihan:
    """The Unihan fields the name dictionary needs, parsed once."""

    FIELDS = (
        "kRSKangXi", "kRSUnicode", "kTotalStrokes", "kTGH", "kGB0", "kGB1",
        "kMandarin", "kTGHZ2013", "kHanyuPinyin", "kXHC1983", "kFrequency",
        "kTraditionalVariant", "kSimplifiedVariant", "kDefinition",
    )

    def __init__(self):
        self.raw = load_fields(self.FIELDS, files=[
            "RadicalStrokeCounts", "IRGSources", "OtherMappings", "Readings",
            "DictionaryLikeData", "Variants"])

    def field(self, name, ch, default=None):
        return self.raw[name].get(ch, default)

    # -- character sets -------------------------------------------------
    def tgh_chars(self):
        """通用规范汉字表 (2013) as [(char, level, index)], in list order.

        Level: 1 for indices 1-3500, 2 for 3501-6500, 3 for the rest.
        """
        rows = []
        for ch, value in self.raw["kTGH"].items():
            m = re.match(r"2013:(\d+)", value)
            if m:
                idx = int(m.group(1))
                level = 1 if idx <= 3500 else (2 if idx <= 6500 else 3)
                rows.append((ch, level, idx))
        rows.sort(key=lambda r: r[2])
        return rows

    def gb2312_chars(self):
        """GB2312 characters as [(char, row-cell code)], in code order."""
        rows = [(ch, int(v)) for ch, v in self.raw["kGB0"].items()]
        rows.sort(key=lambda r: r[1])
        return rows

    # -- strokes --------------------------------------------------------
    def total_strokes(self, ch):
        """Standard (zh-Hans, first value) stroke count, or None.

        This is the plain simplified stroke count, e.g. for GB2312 tables.
        """
        v = self.field("kTotalStrokes", ch)
        return int(v.split()[0]) if v else None

    def radical_residual(self, ch):
        """(radical number, residual strokes, exact) of `ch`, or None.

        kRSKangXi is exact; kRSUnicode is the fallback for characters outside
        the KangXi dictionary (its "'" marks a simplified radical form, whose
        full form is what we count, so exact is False there).
        """
        v = self.field("kRSKangXi", ch)
        exact = True
        if not v:
            v = self.field("kRSUnicode", ch)
            exact = False
        if not v:
            return None
        m = re.match(r"(\d+)('*)\.(-?\d+)", v.split()[0])
        if not m:
            return None
        return int(m.group(1)), int(m.group(3)), exact and not m.group(2)

    def kangxi_strokes(self, ch):
        """姓名学 stroke count of `ch` as written (pass the traditional form).

        Full radical strokes by radical number plus the residual (which may
        be negative: 王 is 玉 5 - 1); numerals by value. None if unknown.

        Two corrections keep the count to what name tables publish:
          * a character filed under a radical with residual 0 that is not the
            radical itself (才 under 手) counts its own strokes (才 3);
          * the count never falls below the character's actual stroke count,
            because the dictionary files some characters a stroke short of
            their written form (泰 10, 政 9, 興 16, 毓 14, 露 21).
        """
        if ch in NUMERAL_STROKES:
            return NUMERAL_STROKES[ch]
        rr = self.radical_residual(ch)
        actual = self.max_total_strokes(ch)
        if rr is None:
            return actual
        radical, residual, _ = rr
        if residual == 0:
            if ch in radical_ideographs().get(radical, ()):
                return radical_strokes(radical)
            if actual:
                return actual
        count = radical_strokes(radical) + residual
        return max(count, actual or 0)

    def max_total_strokes(self, ch):
        """Largest kTotalStrokes value (zh-Hant counts can be one higher)."""
        v = self.field("kTotalStrokes", ch)
        return max(int(x) for x in v.split()) if v else None

    # -- readings -------------------------------------------------------
    def readings(self, ch):
        """Toned pinyin readings, the common one first, without repeats.

        Order: kMandarin (its first value is the zh-Hans reading), then the
        readings of the 2013 standard list (kTGHZ2013), then 现代汉语词典
        (kXHC1983), then 汉语大字典 (kHanyuPinyin).
        """
        out = []

        def add(r):
            r = r.strip()
            if r and r not in out:
                out.append(r)

        for r in (self.field("kMandarin", ch) or "").split():
            add(r)
        for field in ("kTGHZ2013", "kXHC1983", "kHanyuPinyin"):
            for entry in (self.field(field, ch) or "").split():
                if ":" in entry:
                    for r in entry.split(":", 1)[1].split(","):
                        add(r)
        # A character read on its own always takes a full tone, so a neutral-tone reading
        # (卜 bo in 萝卜) never stands first when a toned one exists (卜 bǔ, the surname).
        toned = [r for r in out if has_tone_mark(r)]
        if out and not has_tone_mark(out[0]) and toned:
            out.remove(toned[0])
            out.insert(0, toned[0])
        return out

    def traditional_variants(self, ch):
        v = self.field("kTraditionalVariant", ch)
        return [_char(x) for x in v.split()] if v else []

    def frequency(self, ch):
        """kFrequency 1 (most frequent) .. 5, or None."""
        v = self.field("kFrequency", ch)
        return int(v) if v else None


def load_opencc_s2t(path=None):
    """OpenCC simplified→traditional character table: {char: [candidates]}.

    The binary .ocd2 is dumped to text with the package's own opencc_dict
    tool, so the order of the candidates is OpenCC's (the first is the usual
    traditional form).
    """
    path = path or os.path.join(OPENCC_DIR, "STCharacters.ocd2")
    with tempfile.TemporaryDirectory() as tmp:
        txt = os.path.join(tmp, "STCharacters.txt")
        subprocess.run(["opencc_dict", "-i", path, "-o", txt,
                        "-f", "ocd2", "-t", "text"], check=True)
        table = {}
        with open(txt, encoding="utf-8") as fh:
            for line in fh:
                line = line.rstrip("\n")
                if not line:
                    continue
                key, values = line.split("\t", 1)
                table[key] = values.split()
    return table


def traditional_of(ch, s2t, unihan):
    """First traditional candidate of `ch` (OpenCC, then Unihan), else ch."""
    if ch in s2t and s2t[ch]:
        return s2t[ch][0]
    trad = unihan.traditional_variants(ch)
    return trad[0] if trad else ch


def gb2312_standard_strokes(unihan=None):
    """{char: standard simplified stroke count} for every GB2312 character."""
    unihan = unihan or Unihan()
    return {ch: unihan.total_strokes(ch) for ch, _ in unihan.gb2312_chars()}


def gbk_chars():
    """Every character encodable in GBK, in GBK code order."""
    chars = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and ord(ch) >= 0x2E80:
                chars.append(ch)
    return chars


def gbk_readings(unihan=None):
    """{char: [readings]} for every GBK character that Unihan gives one."""
    unihan = unihan or Unihan()
    out = {}
    for ch in gbk_chars():
        r = unihan.readings(ch)
        if r:
            out[ch] = r
    return out
