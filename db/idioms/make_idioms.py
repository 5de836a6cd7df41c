#!/usr/bin/env python3
"""Builds the idiom list of the idiom naming mode: db/idioms/idioms.txt.

    python3 db/idioms/make_idioms.py PATH/node_modules/cnchar-idiom PATH/jieba/dict.txt

Development time only (the build reads the committed idioms.txt). Get both packages into a folder
outside the repository first:
    cd /tmp/x && npm install cnchar-idiom@3.2.6
    apt-get download python3-jieba && dpkg-deb -x python3-jieba_*.deb jieba
    # dict.txt is then jieba/usr/lib/python3/dist-packages/jieba/dict.txt

cnchar-idiom lists about 30,000 Chinese idioms without meanings; jieba's word list gives how often
each word was seen in its corpus. The list is made like this:
  * only four-character idioms that jieba's word list holds too (attested twice);
  * none with a character of db/dict/ill_omened.txt;
  * each character a name character of db/sources/Velmora/word.tsv (Aflag NULL) or one of the neutral
    characters of neutral_chars.txt, so negations and words of loss, quarrel or harm stay out;
  * none of excluded_idioms.txt (read by hand: a bad, violent, vulgar or merely odd sense; the
    script prints the idioms that are new since its last run, which must be read before a commit);
  * for each name character, most common first (px of word.tsv), a group of up to six idioms that
    contain it and are not yet in the list, the more familiar first (the more often jieba saw it;
    on a tie, the idiom whose rarest character is more common).
The output has no dates and is sorted deterministically: running it again gives the same file.
"""
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
GROUP_SIZE = 6


def char_list(path):
    with open(path, encoding='utf-8') as f:
        text = ''.join(line for line in f if not line.startswith('#'))
    return set(re.sub(r'\s', '', text))


def word_list(path):
    with open(path, encoding='utf-8') as f:
        return [w for line in f if not line.startswith('#') for w in line.split()]


def package_idioms(package_dir):
    # The minified module keeps the list as the first JSON.parse('{"a":[...], ...}') literal, one
    # array per initial letter.
    with open(os.path.join(package_dir, 'cnchar.idiom.min.js'), encoding='utf-8') as f:
        source = f.read()
    match = re.search(r"JSON\.parse\('(\{.*?\})'\)", source)
    if not match:
        sys.exit('no idiom table found in the package')
    table = json.loads(match.group(1).replace("\\'", "'"))
    return [idiom for letter in sorted(table) for idiom in table[letter]]


def corpus_counts(path):
    counts = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            fields = line.split()
            if len(fields) >= 2:
                counts[fields[0]] = int(fields[1])
    return counts


def word_rows():
    path = os.path.join(ROOT, 'db/sources/Velmora/word.tsv')
    with open(path, encoding='utf-8') as f:
        lines = [line.rstrip('\n').split('\t') for line in f if not line.startswith('#')]
    header, rows = lines[0], lines[1:]
    return [dict(zip(header, row)) for row in rows]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    words = word_rows()
    px = {w['zi']: int(w['px']) for w in words}
    name_chars = sorted((w['zi'] for w in words if w['Aflag'] == '\\N'), key=lambda z: (px[z], z))
    allowed = set(name_chars) | char_list(os.path.join(HERE, 'neutral_chars.txt'))
    ill = char_list(os.path.join(ROOT, 'db/dict/ill_omened.txt'))
    excluded = set(word_list(os.path.join(HERE, 'excluded_idioms.txt')))
    seen = corpus_counts(sys.argv[2])

    pool = sorted({i for i in package_idioms(sys.argv[1])
                   if len(i) == 4 and i in seen and set(i) <= allowed and not set(i) & ill and i not in excluded},
                  key=lambda i: (-seen[i], max(px.get(c, 99999) for c in i), sum(px.get(c, 99999) for c in i), i))
    unknown = excluded - set(package_idioms(sys.argv[1]))
    if unknown:
        sys.exit('excluded_idioms.txt names idioms the package lacks: ' + ' '.join(sorted(unknown)))

    by_char = {}
    for idiom in pool:
        for c in set(idiom):
            by_char.setdefault(c, []).append(idiom)
    used, lines, groups = set(), [], 0
    for zi in name_chars:
        group = [i for i in by_char.get(zi, []) if i not in used][:GROUP_SIZE]
        if group:
            groups += 1
        used.update(group)
        lines.extend(group)

    out = os.path.join(HERE, 'idioms.txt')
    before = set(word_list(out)) if os.path.exists(out) else set()
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
    covered = sum(1 for z in name_chars if any(z in i for i in lines))
    # Whatever came in since the last run has not been read yet: read it, and add the bad ones to
    # excluded_idioms.txt before committing.
    fresh = [i for i in lines if i not in before]
    if before and fresh:
        print(f'{len(fresh)} idioms new since the last run, to be read:', ' '.join(fresh))
    print(f'{len(lines)} idioms in {groups} groups; {covered} of {len(name_chars)} name characters occur in them')


if __name__ == '__main__':
    main()
