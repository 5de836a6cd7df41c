// The stems hidden in each earthly branch (遁藏), in the order in which the reports print them.
#pragma once

#include "ganzhi.h"

#include <QString>

// The hidden stems of one branch: 子 癸, 丑 癸辛己, 寅 甲丙戊, … 亥 壬甲.
class HiddenStems {
public:
    constexpr HiddenStems() = default;  // those of 子
    // Any branch index; it wraps.
    static constexpr HiddenStems of(int branch) { return HiddenStems(wrapIndex(branch, kBranchCount)); }

    constexpr int branch() const { return branch_; }
    int count() const;         // 1 … 3
    int stem(int i) const;     // the i-th stem index, 0 ≤ i < count()
    QString stemText(int i) const;
    QString text() const;      // all of them, main stem first: 癸辛己

    friend constexpr bool operator==(const HiddenStems&, const HiddenStems&) = default;

private:
    constexpr explicit HiddenStems(int branch) : branch_(branch) {}
    int branch_ = 0;
};
