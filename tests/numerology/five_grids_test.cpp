#include "numerology/five_grids.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

void PrintTo(const FiveGrids& g, std::ostream* os)
{
    *os << g.tian << ' ' << g.ren << ' ' << g.di << ' ' << g.zong << ' ' << g.wai;
}

TEST(FiveGrids, FormulasOfTheFourShapes)
{
    const struct { NameStrokes s; FiveGrids want; } cases[] = {
        {{7, 0, 12, 9, false, true}, {8, 19, 21, 28, 10}},    // single surname, two-character given name
        {{8, 10, 5, 0, true, false}, {18, 15, 6, 23, 9}},     // compound surname, single given name
        {{6, 0, 11, 0, false, false}, {7, 17, 12, 17, 2}},    // single and single: 外格 is always 2
        {{20, 0, 30, 0, false, false}, {21, 50, 31, 50, 2}},
        {{15, 17, 12, 9, true, true}, {32, 29, 21, 53, 24}},  // compound with two: 外格 = x1 + m2
        {{0, 0, 5, 0, false, false}, {1, 5, 6, 5, 2}},        // a surname the dictionary lacks: 天格 0 + 1
        {{0, 9, 6, 0, true, true}, {9, 15, 6, 15, 0}},        // 外格 of two zero counts is 0 and stays 0
    };
    for (const auto& c : cases) EXPECT_EQ(FiveGridsOf(c.s), c.want);
}

TEST(FiveGrids, NumbersAboveEightyWrapAround)
{
    const struct { int n, want; } cases[] = {{0, 0}, {1, 1}, {80, 80}, {81, 1}, {95, 15}, {160, 80}, {161, 1}};
    for (const auto& c : cases) EXPECT_EQ(reduceGridNumber(c.n), c.want) << c.n;
    EXPECT_EQ(FiveGridsOf({40, 41, 30, 30, true, true}).zong, 61);
    EXPECT_EQ(FiveGridsOf({40, 41, 30, 31, true, true}).tian, 1);  // 81
}

TEST(FiveGrids, LookedUpOneCharacterAtATime)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values"
                          " ('李', '李', 7, 'lǐ', '木'), ('明', '明', 8, 'míng', '火'), ('华', '華', 14, 'huá', '水'),"
                          " ('欧', '歐', 15, 'ōu', '土'), ('阳', '陽', 17, 'yáng', '土'), ('云', '雲', 12, 'yún', '水');");
    const struct { const char* surname; const char* given; FiveGrids want; } cases[] = {
        {"李", "明华", {8, 15, 22, 29, 15}},
        {"欧阳", "明", {32, 25, 9, 40, 16}},
        {"李", "雲", {8, 19, 13, 19, 2}},           // a traditional form counts through ft
        {"李", "Ab", {8, 7, 0, 7, 1}},             // two letters: a double part of 0 strokes each
        {"李", "明华云", {8, 15, 34, 41, 27}},      // the rest of a long part is summed as its second character
        {"𠀀", "明", {1, 8, 9, 8, 2}},             // a character beyond the dictionary
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FiveGridsOf(c.surname, c.given), c.want) << c.surname << c.given;
        EXPECT_EQ(GridNumber(c.surname, c.given, GridKind::Wai), c.want.wai);
        EXPECT_EQ(GridNumber(c.surname, c.given, GridKind::Ren), c.want.ren);
    }
}

TEST(FiveGrids, AMissingDictionaryGivesGridsOfZeroStrokes)
{
    FixtureDbs dbs;
    EXPECT_EQ(FiveGridsOf("李", "明华"), (FiveGrids{1, 0, 0, 0, 1}));
}
