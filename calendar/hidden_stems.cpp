#include "hidden_stems.h"

#include <array>

namespace {

constexpr int kMaxHidden = 3;

struct StemsOfBranch {
    int count;
    std::array<int, kMaxHidden> stems;
};

// 癸, 癸辛己, 甲丙戊, 乙, 乙戊癸, 庚丙戊, 己丁, 乙己丁, 戊庚壬, 辛, 辛丁戊, 壬甲 as stem indices (甲 0 … 癸 9).
constexpr std::array<StemsOfBranch, kBranchCount> kHidden = {{
    {1, {9}}, {3, {9, 7, 5}}, {3, {0, 2, 4}}, {1, {1}}, {3, {1, 4, 9}}, {3, {6, 2, 4}},
    {2, {5, 3}}, {3, {1, 5, 3}}, {3, {4, 6, 8}}, {1, {7}}, {3, {7, 3, 4}}, {2, {8, 0}},
}};

static_assert([] {
    for (const StemsOfBranch& s : kHidden)
        if (s.count < 1 || s.count > kMaxHidden) return false;
    return true;
}());

}  // namespace

int HiddenStems::count() const { return kHidden[branch_].count; }

int HiddenStems::stem(int i) const
{
    Q_ASSERT(i >= 0 && i < count());
    return kHidden[branch_].stems[i];
}

QString HiddenStems::stemText(int i) const { return StemText(stem(i)); }

QString HiddenStems::text() const
{
    QString text;
    for (int i = 0; i < count(); ++i) text += stemText(i);
    return text;
}
