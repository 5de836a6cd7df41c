#include "ganzhi.h"

namespace {

constexpr char16_t kStems[] = u"甲乙丙丁戊己庚辛壬癸";
constexpr char16_t kBranches[] = u"子丑寅卯辰巳午未申酉戌亥";
constexpr char16_t kAnimals[] = u"鼠牛虎兔龙蛇马羊猴鸡狗猪";
constexpr char16_t kNumerals[] = u"一二三四五六七八九十";

}  // namespace

QString StemText(int stem) { return QString(QChar(kStems[wrapIndex(stem, kStemCount)])); }
QString BranchText(int branch) { return QString(QChar(kBranches[wrapIndex(branch, kBranchCount)])); }
QString AnimalText(int branch) { return QString(QChar(kAnimals[wrapIndex(branch, kBranchCount)])); }

QString NumeralText(int value)
{
    if (value < 1 || value > 10) return QString();
    return QString(QChar(kNumerals[value - 1]));
}

int StemIndex(const QString& ch)
{
    if (ch.size() != 1) return -1;
    for (int i = 0; i < kStemCount; ++i)
        if (ch[0] == QChar(kStems[i])) return i;
    return -1;
}

int BranchIndex(const QString& ch)
{
    if (ch.size() != 1) return -1;
    for (int i = 0; i < kBranchCount; ++i)
        if (ch[0] == QChar(kBranches[i])) return i;
    return -1;
}

QString PillarText(int stem, int branch) { return StemText(stem) + BranchText(branch); }

QString SexagenaryText(int n) { return PillarText(n, n); }

int SexagenaryNumber(int stem, int branch)
{
    stem = wrapIndex(stem, kStemCount);
    branch = wrapIndex(branch, kBranchCount);
    if ((stem - branch) % 2 != 0) return -1;
    // n ≡ stem (mod 10) and n ≡ branch (mod 12): step through the six candidates of the stem.
    for (int n = stem; n < 60; n += 10)
        if (n % 12 == branch) return n;
    return -1;
}
