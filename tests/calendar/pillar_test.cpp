// The pillar as a cyclic value: made once with its indices wrapped, stepped along the sixty pairs.
#include "calendar/hidden_stems.h"
#include "calendar/luck_cycle.h"
#include "calendar/pillar.h"

#include "tests/support/qt_printers.h"
#include "tests/support/value_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST(Pillar, MakingWrapsEveryIndexOnce)
{
    const struct { int stem, branch; const char* text; } cases[] = {
        {0, 0, "甲子"}, {9, 11, "癸亥"}, {10, 12, "甲子"},  // one past each end
        {-1, -1, "癸亥"}, {-11, -13, "癸亥"},            // below zero, more than one turn
        {2, 14, "丙寅"}, {1000003, 1000003, "丁未"},     // far out: 1000003 ≡ 3 (mod 10), 7 (mod 12)
    };
    for (const auto& c : cases) {
        const Pillar p = Pillar::of(c.stem, c.branch);
        EXPECT_EQ(p.text(), str(c.text)) << c.stem << ',' << c.branch;
        EXPECT_TRUE(p.stem() >= 0 && p.stem() < kStemCount && p.branch() >= 0 && p.branch() < kBranchCount);
        EXPECT_EQ(p.stemText() + p.branchText(), p.text());
    }
    EXPECT_EQ(Pillar::ofNumber(-1), Pillar::of(9, 11));
    EXPECT_EQ(Pillar::ofNumber(54).text(), str("戊午"));
}

TEST(Pillar, StepsWalkTheSixtyPairs)
{
    EXPECT_EQ(Pillar().next(-1).text(), str("癸亥"));
    EXPECT_EQ(Pillar::of(9, 11).next().text(), str("甲子"));
    EXPECT_EQ(Pillar::of(2, 2).next(-3).text(), str("癸亥"));  // 丙寅 back over 甲子

    // Sixty steps forwards or backwards come back to the start and no earlier; each step agrees with
    // adding one to the stem and the branch, and with the sexagenary number.
    for (const Pillar start : {Pillar(), Pillar::of(9, 11), Pillar::ofNumber(37)}) {
        Pillar forwards = start, backwards = start;
        for (int k = 1; k <= 60; ++k) {
            const Pillar previous = forwards;
            forwards = forwards.next();
            backwards = backwards.next(-1);
            EXPECT_EQ(forwards, Pillar::of(previous.stem() + 1, previous.branch() + 1)) << k;
            EXPECT_EQ(forwards, start.next(k)) << k;
            EXPECT_EQ(backwards, start.next(-k)) << k;
            EXPECT_EQ(backwards.next(k), start) << k;
            if (k < 60) {
                EXPECT_NE(forwards, start) << k;
            }
        }
        EXPECT_EQ(forwards, start);
        EXPECT_EQ(backwards, start);
    }
    for (int n = -70; n <= 130; ++n) EXPECT_EQ(Pillar().next(n), Pillar::ofNumber(n)) << n;
}

TEST(Pillar, ConceptionAndLuckPillarsStepFromTheMonth)
{
    // 丙寅 month: conception one stem and three branches on; luck pillars forwards and back, across 甲子.
    EXPECT_EQ(ConceptionOf(Pillar::of(2, 2)).text(), str("丁巳"));
    EXPECT_EQ(ConceptionOf(Pillar::of(9, 11)).text(), str("甲寅"));  // both indices wrap
    EXPECT_EQ(LuckPillarsTextOf(LuckPillarsFor(Pillar::of(1, 1), true)),
              str("乙丑   甲子   癸亥   壬戌   辛酉   庚申   己未   戊午   丁巳   丙辰"));
    EXPECT_EQ(LuckPillarsFor(Pillar::of(8, 10), false)[3].text(), str("乙丑"));  // 壬戌 on over 甲子
}

TEST(HiddenStems, CountAndStemsAgreeWithTheText)
{
    for (int b = -12; b < 24; ++b) {
        const HiddenStems h = HiddenStems::of(b);
        ASSERT_TRUE(h.count() >= 1 && h.count() <= 3) << b;
        QString joined;
        for (int i = 0; i < h.count(); ++i) joined += StemText(h.stem(i));
        EXPECT_EQ(joined, h.text()) << b;
        EXPECT_EQ(h, HiddenStems::of(b + 12)) << b;
    }
}
