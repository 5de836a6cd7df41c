#!/usr/bin/env python3
"""Extract the zh_CN given names of @faker-js/faker into faker_zh_given_names.tsv.

Development time only: install the package outside the repository first,

    mkdir -p /tmp/faker && cd /tmp/faker && npm install @faker-js/faker@10.6.0
    python3 db/dict/extract_faker_names.py /tmp/faker/node_modules/@faker-js/faker

The package keeps its zh_CN locale as a bundled module in which every list is a
template literal of names joined by "."; the first_name block holds three of
them: generic, female and male. Output: one name a line with its list, sorted,
so a rerun is byte-identical.
"""

import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "faker_zh_given_names.tsv")
LISTS = (("generic", "通"), ("female", "女"), ("male", "男"))


def locale_source(package_dir):
    """Text of the bundled zh_CN locale module of the package."""
    for path in sorted(glob.glob(os.path.join(package_dir, "dist", "zh_CN-*.js"))):
        with open(path, encoding="utf-8") as fh:
            text = fh.read()
        if "first_name:{" in text:
            return text
    sys.exit("no zh_CN locale with first_name under " + package_dir)


def first_names(text):
    block = re.search(r"first_name:\{(.*?)\}", text, re.S)
    if not block:
        sys.exit("first_name block not found")
    names = {}
    for key, _ in LISTS:
        m = re.search(r"(?<![A-Za-z_])" + key + r":`([^`]*)`", block.group(1))
        if not m:
            sys.exit("first_name." + key + " not found")
        names[key] = [n for n in m.group(1).split(".") if n]
    return names


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    package_dir = sys.argv[1]
    with open(os.path.join(package_dir, "package.json"), encoding="utf-8") as fh:
        version = re.search(r'"version"\s*:\s*"([^"]+)"', fh.read()).group(1)
    names = first_names(locale_source(package_dir))
    rows = sorted({(sex, n) for key, sex in LISTS for n in names[key]})
    with open(OUT, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("# zh_CN given names of the npm package @faker-js/faker %s (MIT licence,\n"
                 "# (c) 2022-2025 Faker), extracted by db/dict/extract_faker_names.py.\n"
                 "# sex: 男 the package's male list, 女 its female list, 通 its generic list.\n"
                 % version)
        fh.write("sex\tname\n")
        for sex, name in rows:
            fh.write(sex + "\t" + name + "\n")
    print("%d names written to %s" % (len(rows), os.path.relpath(OUT)))


if __name__ == "__main__":
    main()
