#include "luck_numbers.h"

#include "numerology/five_grids.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Element of a number by its last digit: 1-2 wood, 3-4 fire, 5-6 earth, 7-8 metal, 9-0 water.
constexpr std::array<char16_t, 10> kElementByLastDigit = {u'水', u'木', u'木', u'火', u'火',
                                                          u'土', u'土', u'金', u'金', u'水'};

constexpr int kLucky[] = {1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32,
                          33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
constexpr int kMixed[] = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};

template <size_t N>
bool contains(const int (&list)[N], int n)
{
    return std::find(std::begin(list), std::end(list), n) != std::end(list);
}

}  // namespace

QString NumberElement(int n)
{
    return QString(QChar(kElementByLastDigit[size_t(((n % 10) + 10) % 10)]));
}

Luck NumberClass(int n)
{
    if (n < 1 || n > 81) return Luck::None;
    if (contains(kLucky, n)) return Luck::Lucky;
    if (contains(kMixed, n)) return Luck::Mixed;
    return Luck::Unlucky;
}

double GridScore(int n, GridKind kind)
{
    // Weights by class for 天格/地格/外格, 人格 and 总格.
    struct Weights { double outer, person, total; };
    Weights w{};
    switch (NumberClass(n)) {
    case Luck::Lucky: w = {10, 30, 20}; break;
    case Luck::Mixed: w = {8.5, 25.5, 17}; break;
    case Luck::Unlucky: w = {7, 21, 14}; break;
    case Luck::None: return 0;
    }
    if (kind == GridKind::Ren) return w.person;
    if (kind == GridKind::Zong) return w.total;
    return w.outer;
}

QString ThreeTalentTitle(int tian, int ren, int di)
{
    return NumberElement(tian) + NumberElement(ren) + NumberElement(di);
}

double gradeScore(int djc)
{
    constexpr double kScores[] = {20, 18, 16, 15, 14, 13, 12};
    return djc >= 1 && djc <= 7 ? kScores[djc - 1] : -1;
}

QString formatScore(double score)
{
    const double whole = std::round(score);
    if (std::abs(score - whole) < 1e-9) return QString::number(qint64(whole));
    return QString::number(score, 'f', 1);
}
