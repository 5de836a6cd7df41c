#include "element_strength.h"

#include "ganzhi.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

struct HiddenShare {
    int stem;
    double weight;
};

// The hidden stems of each branch, main qi first, with their shares of the branch.
const std::array<std::array<HiddenShare, 3>, kBranchCount> kHiddenShares = {{
    {{{9, 1.0}}},                           // 子 癸
    {{{5, 0.6}, {9, 0.3}, {7, 0.1}}},       // 丑 己 癸 辛
    {{{0, 0.6}, {2, 0.3}, {4, 0.1}}},       // 寅 甲 丙 戊
    {{{1, 1.0}}},                           // 卯 乙
    {{{4, 0.6}, {1, 0.3}, {9, 0.1}}},       // 辰 戊 乙 癸
    {{{2, 0.6}, {4, 0.3}, {6, 0.1}}},       // 巳 丙 戊 庚
    {{{3, 0.7}, {5, 0.3}}},                 // 午 丁 己
    {{{5, 0.6}, {3, 0.3}, {1, 0.1}}},       // 未 己 丁 乙
    {{{6, 0.6}, {8, 0.3}, {4, 0.1}}},       // 申 庚 壬 戊
    {{{7, 1.0}}},                           // 酉 辛
    {{{4, 0.6}, {7, 0.3}, {3, 0.1}}},       // 戌 戊 辛 丁
    {{{8, 0.7}, {0, 0.3}}},                 // 亥 壬 甲
}};

// 旺 相 休 囚 死 by the step from the season's element: itself, produced by it, producing it,
// controlling it, controlled by it.
constexpr double kSeasonFactor[kElementCount] = {1.5, 1.2, 0.6, 0.8, 1.0};  // step 0 … 4 along 生

int elementOfStem(int stem) { return wrapIndex(stem, kStemCount) / 2; }

int seasonElement(int monthBranch)
{
    switch (wrapIndex(monthBranch, kBranchCount)) {
    case 2: case 3: return 0;    // 寅 卯
    case 5: case 6: return 1;    // 巳 午
    case 8: case 9: return 3;    // 申 酉
    case 11: case 0: return 4;   // 亥 子
    default: return 2;           // 辰 戌 丑 未
    }
}

// Rounds to one decimal so that the shares still sum to 100.0: the tenths lost by rounding down
// go to the largest remainders.
std::array<double, kElementCount> percentShares(const std::array<double, kElementCount>& weights)
{
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    std::array<double, kElementCount> out{};
    if (total <= 0) return out;
    std::array<int, kElementCount> tenths{};
    std::array<double, kElementCount> rest{};
    int given = 0;
    for (int e = 0; e < kElementCount; ++e) {
        const double exact = weights[e] / total * 1000;
        tenths[e] = int(std::floor(exact + 1e-9));
        rest[e] = exact - tenths[e];
        given += tenths[e];
    }
    std::array<int, kElementCount> order{0, 1, 2, 3, 4};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rest[a] > rest[b]; });
    for (int i = 0; given < 1000; ++i, ++given) ++tenths[order[i % kElementCount]];
    for (int e = 0; e < kElementCount; ++e) out[e] = tenths[e] / 10.0;
    return out;
}

QString percentText(double share) { return QString::number(share, 'f', 1) + u'%'; }

}  // namespace

QString ElementName(int element)
{
    static const QString names = QStringLiteral("木火土金水");
    return names.at(wrapIndex(element, kElementCount));
}

QString ElementStrength::favourableText() const { return ElementName(favourable[0]) + ElementName(favourable[1]); }

ElementStrength ElementStrengthOf(Pillar year, Pillar month, Pillar day, Pillar hour)
{
    std::array<double, kElementCount> weights{};
    for (const Pillar& p : {year, month, day, hour}) {
        weights[elementOfStem(p.stem())] += 1.0;
        for (const HiddenShare& h : kHiddenShares[p.branch()])
            if (h.weight > 0) weights[elementOfStem(h.stem)] += h.weight;
    }
    const int season = seasonElement(month.branch());
    for (int e = 0; e < kElementCount; ++e) weights[e] *= kSeasonFactor[wrapIndex(e - season, kElementCount)];

    ElementStrength s;
    s.shares = percentShares(weights);
    s.dayMasterElement = elementOfStem(day.stem());
    const int producer = wrapIndex(s.dayMasterElement - 1, kElementCount);
    s.supportShare = s.shares[s.dayMasterElement] + s.shares[producer];
    s.strong = s.supportShare >= 50.0;
    if (s.strong)
        s.favourable = {wrapIndex(s.dayMasterElement + 1, kElementCount), wrapIndex(s.dayMasterElement + 2, kElementCount)};
    else
        s.favourable = {producer, s.dayMasterElement};
    return s;
}

ElementStrength ElementStrengthOf(const BaziChart& chart)
{
    return ElementStrengthOf(chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar);
}

QStringList ElementStrengthLines(const ElementStrength& s, int dayStem)
{
    QStringList shares;
    for (int e = 0; e < kElementCount; ++e) shares << ElementName(e) + percentText(s.shares[e]);
    const QString own = ElementName(s.dayMasterElement);
    const QString producer = ElementName(s.dayMasterElement - 1);
    const QString dayMaster = StemText(dayStem) + own;
    const QString support = own + QStringLiteral("与生") + own + QStringLiteral("之") + producer
                            + QStringLiteral("合占") + percentText(s.supportShare);
    return {
        QStringLiteral("五行力量：") + shares.join(QStringLiteral("   ")),
        QStringLiteral("日主：") + dayMaster + (s.strong ? QStringLiteral(" 身强（") : QStringLiteral(" 身弱（"))
            + support + (s.strong ? QStringLiteral("，过半为强）") : QStringLiteral("，不足一半为弱）")),
        QStringLiteral("喜用神：") + s.favourableText()
            + (s.strong ? QStringLiteral("（扶抑法：身强取泄耗；一家之说，仅供参考）")
                        : QStringLiteral("（扶抑法：身弱取生扶；一家之说，仅供参考）")),
    };
}
