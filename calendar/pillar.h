// One stem-branch pair of the sexagenary cycle (干支), as the charts and their reports hold it.
//
// A pillar is made only through of() or ofNumber(), which wrap any integer once, so its indices are
// always in range and no reader wraps by hand. Stepping moves stem and branch together, which walks
// the sixty pairs of the cycle in order (甲子, 乙丑, … 癸亥, 甲子).
#pragma once

#include "ganzhi.h"

#include <QString>

class Pillar {
public:
    constexpr Pillar() = default;  // 甲子

    // Any stem and branch index; both wrap (−1 is 癸 or 亥).
    static constexpr Pillar of(int stem, int branch)
    {
        return Pillar(wrapIndex(stem, kStemCount), wrapIndex(branch, kBranchCount));
    }
    // By sexagenary number, 甲子 = 0; wraps, so −1 is 癸亥 and 60 is 甲子 again.
    static constexpr Pillar ofNumber(int n) { return of(n, n); }

    constexpr int stem() const { return stem_; }      // 甲 0 … 癸 9
    constexpr int branch() const { return branch_; }  // 子 0 … 亥 11

    // The pillar n places on in the cycle; n may be negative.
    constexpr Pillar next(int n = 1) const { return of(stem_ + n, branch_ + n); }

    QString text() const;        // 甲子
    QString stemText() const;    // 甲
    QString branchText() const;  // 子

    friend constexpr bool operator==(const Pillar&, const Pillar&) = default;

private:
    constexpr Pillar(int stem, int branch) : stem_(stem), branch_(branch) {}
    int stem_ = 0;
    int branch_ = 0;
};

static_assert(wrapIndex(-1, kBranchCount) == 11 && wrapIndex(-1, kStemCount) == 9);
static_assert(Pillar::of(10, 12) == Pillar{} && Pillar::of(-1, -1) == Pillar::of(9, 11));
static_assert(Pillar{}.next(-1) == Pillar::of(9, 11));  // before 甲子 comes 癸亥
static_assert(Pillar::ofNumber(59).next() == Pillar{} && Pillar{}.next(60) == Pillar{});
