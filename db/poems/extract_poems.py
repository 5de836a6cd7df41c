#!/usr/bin/env python3
"""Extracts the poem library (table sg of KelBirth.dll) from the npm package chinese-poetry (MIT).

Development time only; the build reads the text files this writes. Needs the Debian package opencc
(for t2s) and two versions of the package, unpacked outside the repository:

    mkdir -p /tmp/poetry && cd /tmp/poetry
    npm pack chinese-poetry@1.4.1 chinese-poetry@2.0.1
    tar xzf chinese-poetry-1.4.1.tgz && mv package v1 && tar xzf chinese-poetry-2.0.1.tgz && mv package v2
    python3 db/poems/extract_poems.py /tmp/poetry    # from the repository root

Version 1.4.1 holds the 诗经, 唐诗三百首, 宋词三百首 and 千家诗; version 2.0.1 holds the 楚辞, the 花间集
and the lyrics of the two Southern Tang rulers (南唐二主词).

Each collection becomes one file db/poems/<collection>.txt. A poem is a header line
    @<TAB>d_num<TAB>cd_num<TAB>dynasty<TAB>au_num<TAB>author<TAB>title
followed by its verse lines, one per text line, and an empty line. Dynasties are numbered in time
order; authors are numbered in tree order (by dynasty, then in order of first appearance); poems in
the order of the collections.
"""
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Time order of the dynasties; cd_num is the position in this list, from 1.
DYNASTIES = ["先秦", "汉", "魏晋", "南北朝", "隋", "唐", "五代", "宋", "元", "明", "清"]

# The 楚辞 poems after the Warring States are by Han authors.
CHUCI_PRE_QIN = {"屈原", "宋玉", "景差"}

# Author names cut short in the source (a character outside its encoding was dropped), found from
# the first lines of their poems.
AUTHOR_FIXES = {
    ("陆", "湿云黏雁影。"): "陆叡",
    ("韩", "频听银签，重燃绛蜡，年华衮衮惊心。"): "韩疁",
    ("赵令", "欲减罗衣寒未去。"): "赵令畤",
    ("张", "幽梦初回，重阴未开，晓色吹成疏雨。"): "张肎",
    ("张", "月洗高梧，露幽草，宝钗楼外秋深。"): "张镃",
}
# Characters the source dropped or mangled.
TEXT_FIXES = [
    ("月洗高梧，露幽草，", "月洗高梧，露漙幽草，"),
]

# Conversions that t2s gets wrong in verse, checked by hand against the poems: 沈 as "sink" is 沉
# except in names; 祇/衹 meaning "only" is 只; 閤 in verse is mostly 阁 (楼阁, 闺阁), which t2s
# turns into 合; 彊 is 强.
T2S_FIXES_BEFORE = [("閤", "阁"), ("衹", "只"), ("彊", "强")]
SHEN_NAMES = ("沈郎", "沈约", "沈侯", "沈园", "沈佺期", "沈氏", "沈家")


def t2s(texts):
    """Converts a list of texts with OpenCC's t2s in one run of the opencc tool."""
    joined = "\n\u241e\n".join(texts)
    for a, b in T2S_FIXES_BEFORE:
        joined = joined.replace(a, b)
    out = subprocess.run(["opencc", "-c", "t2s.json"], input=joined, capture_output=True, text=True,
                         check=True).stdout
    if out.endswith("\n") and not joined.endswith("\n"):
        out = out[:-1]
    parts = out.split("\n\u241e\n")
    assert len(parts) == len(texts), "opencc changed the number of texts"
    return [keep_gbk(before, after) for before, after in zip(texts, parts)]


def in_gbk(ch):
    try:
        ch.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def keep_gbk(before, after):
    """t2s gives a few rare characters forms from the newest extensions (絺 → 𫄨), which the program's
    GBK text cannot hold: such a character keeps its form from before the conversion."""
    if len(before) != len(after):
        return after
    return "".join(b if not in_gbk(a) else a for b, a in zip(before, after))


def fix_verse_after_t2s(text):
    text = re.sub("祇(?!园)", "只", text.replace("神祇", "神\0"))
    text = text.replace("\0", "祇")
    protected = text
    for i, name in enumerate(SHEN_NAMES):
        protected = protected.replace(name, "\1%d\1" % i)
    protected = protected.replace("沈", "沉")
    for i, name in enumerate(SHEN_NAMES):
        protected = protected.replace("\1%d\1" % i, name)
    return protected


ASCII_TO_WIDE = str.maketrans({",": "，", ":": "：", "?": "？", "!": "！", ";": "；", "・": "·"})


def verse_lines(paragraphs):
    """One verse line per text line: notes in brackets dropped, split after 。！？ ；."""
    text = "\n".join(paragraphs).translate(ASCII_TO_WIDE)
    text = re.sub(r"[(（][^()（）]*[)）]", "", text, flags=re.S)
    text = re.sub(r"<[^>]*>|\[[^\]]*\]", "", text)
    text = re.sub(r"(.)々", r"\1\1", text)
    text = text.replace(" ", "").replace("\u3000", "")
    lines = []
    for para in text.split("\n"):
        for piece in re.findall(r"[^。！？；]+[。！？；]*[”」』]?|[。！？；]+", para):
            piece = piece.strip()
            if not piece:
                continue
            if lines and re.fullmatch(r"[。！？；”」』，、]+", piece):
                lines[-1] += piece
            else:
                lines.append(piece)
    return lines


def first_phrase(lines):
    return re.split(r"[，。！？；、：]", lines[0])[0] if lines else ""


def verse_key(lines):
    """The first verse line without punctuation: with author and title, how a repeated poem is
    recognised (editions differ in a word now and then)."""
    return re.sub(r"[^\u3400-\u9fff]", "", lines[0]) if lines else ""


class Library:
    def __init__(self):
        self.poems = []  # dicts: collection, dynasty, author, title, lines
        self.keys = set()

    def add(self, collection, dynasty, author, title, lines, skip_repeats=False, converted=False):
        if not lines:
            raise ValueError("empty poem %s %s" % (author, title))
        keys = {verse_key(lines), (author, title)}
        if skip_repeats and keys & self.keys:
            return False
        self.keys |= keys
        assert dynasty in DYNASTIES, dynasty
        self.poems.append(dict(collection=collection, dynasty=dynasty, author=author, title=title,
                               lines=lines, converted=converted))
        return True

    def simplify_rest(self):
        """The collections given in simplified characters still hold a few traditional forms (於, 後,
        閒 …): they go through t2s as well."""
        rest = [p for p in self.poems if not p["converted"]]
        texts = []
        for p in rest:
            texts += [p["author"], p["title"], "\n".join(p["lines"])]
        converted = t2s(texts)
        for i, p in enumerate(rest):
            p["author"], p["title"] = converted[3 * i], converted[3 * i + 1]
            p["lines"] = fix_verse_after_t2s(converted[3 * i + 2]).split("\n")

    def write(self):
        authors = {}
        for p in sorted(self.poems, key=lambda p: DYNASTIES.index(p["dynasty"])):  # stable
            authors.setdefault((p["dynasty"], p["author"]), len(authors) + 1)
        files = {}
        for number, p in enumerate(self.poems, 1):
            cd = DYNASTIES.index(p["dynasty"]) + 1
            au = authors[(p["dynasty"], p["author"])]
            head = "\t".join(["@", str(number), str(cd), p["dynasty"], str(au), p["author"], p["title"]])
            for field in (p["author"], p["title"]):
                assert "\t" not in field and "\n" not in field
            files.setdefault(p["collection"], []).append(head + "\n" + "\n".join(p["lines"]) + "\n\n")
        for collection, records in files.items():
            with open(os.path.join(HERE, collection + ".txt"), "w", encoding="utf-8", newline="\n") as out:
                out.write("# %s: %d poems, extracted by db/poems/extract_poems.py from the npm package\n"
                          "# chinese-poetry (MIT). Format: see the script.\n\n" % (collection, len(records)))
                out.writelines(records)
            print(collection, len(records))


def load(path):
    with open(path, encoding="utf-8") as fh:
        return json.load(fh)


def add_shijing(lib, v1):
    for p in load(os.path.join(v1, "chinese-poetry/shijing/shijing.json")):
        title = "%s（%s）" % (p["title"], p["section"])
        lib.add("shijing", "先秦", "诗经·" + p["chapter"], title, verse_lines(p["content"]))


def add_chuci(lib, v2):
    poems = load(os.path.join(v2, "dist/chuci/chuci.json"))
    sections = {}
    for p in poems:
        sections[p["section"]] = sections.get(p["section"], 0) + 1
    for p in poems:
        title = p["title"] if sections[p["section"]] == 1 else "%s·%s" % (p["section"], p["title"])
        dynasty = "先秦" if p["author"] in CHUCI_PRE_QIN else "汉"
        lib.add("chuci", dynasty, "楚辞·" + p["author"], title, verse_lines(p["content"]))


def traditional_collection(path):
    """(type, title, author, paragraphs) of a 蒙学 collection, converted to simplified together."""
    data = load(path)
    items = []
    for group in data["content"]:
        for p in group["content"]:
            if p["paragraphs"] and isinstance(p["paragraphs"][0], dict):  # a set of poems: one each
                for part in p["paragraphs"]:
                    items.append((p["author"], "%s·%s" % (p["chapter"], part["subchapter"]), part["paragraphs"]))
            else:
                items.append((p["author"], p["chapter"], p["paragraphs"]))
    texts = []
    for author, title, paragraphs in items:
        texts += [author, title, "\n".join(paragraphs)]
    converted = t2s(texts)
    out = []
    for i in range(len(items)):
        author, title, body = converted[3 * i:3 * i + 3]
        out.append((author, title, verse_lines([fix_verse_after_t2s(body)])))
    return out


def add_tang300(lib, v1):
    for author, title, lines in traditional_collection(os.path.join(v1, "chinese-poetry/mengxue/tangshisanbaishou.json")):
        lib.add("tangshi300", "唐", "无名氏" if author == "佚名" else author, title, lines, converted=True)


def add_songci300(lib, v1):
    for p in load(os.path.join(v1, "chinese-poetry/ci/宋词三百首.json")):
        paragraphs = list(p["paragraphs"])
        for a, b in TEXT_FIXES:
            paragraphs = [line.replace(a, b) for line in paragraphs]
        author = AUTHOR_FIXES.get((p["author"], p["paragraphs"][0]), p["author"])
        lines = verse_lines(paragraphs)
        tune = p["rhythmic"].translate(ASCII_TO_WIDE).split("·")[0]
        title = "%s（%s）" % (tune, first_phrase(lines))
        lib.add("songci300", "宋", author, title, lines)


# 花间集 poets who lived and wrote under the Tang; the others belong to the Five Dynasties.
HUAJIAN_TANG = {"温庭筠", "皇甫松"}


def add_wudai(lib, v2):
    """花间集 (without its preface) and the lyrics of the two Southern Tang rulers."""
    base = os.path.join(v2, "dist/wudaishici")
    books = sorted(f for f in os.listdir(os.path.join(base, "huajianji")) if "juan" in f)
    for book in books:
        for p in load(os.path.join(base, "huajianji", book)):
            lines = verse_lines(p["paragraphs"])
            title = "%s（%s）" % (p["rhythmic"].split("·")[0], first_phrase(lines))
            author = p["author"].split()[0]  # one entry reads "尹鹗 六首"
            dynasty = "唐" if author in HUAJIAN_TANG else "五代"
            lib.add("huajianji", dynasty, author, title, lines)
    for p in load(os.path.join(base, "nantang/poetrys.json")):
        lines = verse_lines(p["paragraphs"])
        lib.add("nantang", "五代", p["author"], "%s（%s）" % (p["rhythmic"].split("·")[0], first_phrase(lines)), lines)


def add_qianjiashi(lib, v1):
    added = skipped = 0
    for author, title, lines in traditional_collection(os.path.join(v1, "chinese-poetry/mengxue/qianjiashi.json")):
        m = re.fullmatch(r"（(.+?)）(.+)", author)
        dynasty, name = (m.group(1), m.group(2)) if m else ("宋", author)
        if lib.add("qianjiashi", dynasty, name, title, lines, skip_repeats=True, converted=True):
            added += 1
        else:
            skipped += 1
    print("千家诗: %d added, %d already present" % (added, skipped))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    lib = Library()
    add_shijing(lib, os.path.join(root, "v1"))
    add_chuci(lib, os.path.join(root, "v2"))
    add_tang300(lib, os.path.join(root, "v1"))
    add_songci300(lib, os.path.join(root, "v1"))
    add_qianjiashi(lib, os.path.join(root, "v1"))
    add_wudai(lib, os.path.join(root, "v2"))
    lib.simplify_rest()
    lib.write()


if __name__ == "__main__":
    main()
