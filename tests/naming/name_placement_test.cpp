#include "naming/name_placement.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(NameCell, PadsToSixteenBytes)
{
    const struct { const char* line; int blanks; } cases[] = {
        {"王明(85分)", 6},         // 10 bytes
        {"王明(100分)", 5},        // 11
        {"王明华(85分)", 4},       // 12
        {"王明华(100分)", 3},      // 13
        {"欧阳明华(85分)", 2},     // 14
        {"欧阳明华(100分)", 1},    // 15
        {"欧阳明华(85分)xx", 0},   // 16
        {"欧阳明华华(100分)", 0},  // 17: left as it is
    };
    for (const auto& c : cases) {
        const QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(padNameCell(line), line + QString(c.blanks, ' ')) << c.line;
    }
}

TEST(NamePick, TheScoreDecidesAndNoPickScorePicksNothing)
{
    const struct { const char* line; std::optional<int> pick; bool picked; } cases[] = {
        {"王明华(74分)", 75, false}, {"王明华(75分)", 75, true},     {"王明华(100分)", 99, true},
        {"王明华(99分)", std::nullopt, false}, {"王明(8分)", 5, true}, {"王明(8分)", 9, false},
        {"王明华", 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isPickedLine(QString::fromUtf8(c.line), c.pick), c.picked) << c.line;
}

TEST(NameRows, SixCellsMakeARowAndTheRestWaits)
{
    NamingState state;
    QStringList rows;
    for (int i = 0; i < 7; ++i) {
        const Placement p = PlaceNameLine(" 王明华(85分) ", 75, state);
        EXPECT_EQ(p.line, "王明华(85分)");
        EXPECT_TRUE(p.picked);
        if (!p.completedRow.isEmpty()) rows << p.completedRow;
    }
    EXPECT_EQ(rows, QStringList{QString("王明华(85分)    ").repeated(6)});
    EXPECT_EQ(state.rowBufferCount, 1);
    EXPECT_EQ(takePartialRow(state), "王明华(85分)    ");
    EXPECT_EQ(state.rowBufferCount, 0);
    EXPECT_TRUE(takePartialRow(state).isEmpty());
}
