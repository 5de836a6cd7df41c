#include "naming/name_row.h"

#include <gtest/gtest.h>

namespace {

NameRow singleSurnameOneChar()
{
    NameRow row;
    row.number = 3;
    row.surname = QStringLiteral("王");
    row.surnameInfo = {4, 0, QStringLiteral("王"), {}, QStringLiteral("wáng"), {}, QStringLiteral("土"), {}};
    row.first = {QStringLiteral("华"), QStringLiteral("華"), QStringLiteral("水"), QStringLiteral("huá"), 14};
    row.combination = {QStringLiteral("5-18-15-18-2"), QStringLiteral("土金土"), 85};
    return row;
}

NameRow compoundSurnameTwoChars()
{
    NameRow row;
    row.number = 12;
    row.surname = QStringLiteral("欧阳");
    row.surnameInfo = {15, 17, QStringLiteral("歐"), QStringLiteral("陽"), QStringLiteral("ōu"),
                       QStringLiteral("yáng"), QStringLiteral("土"), QStringLiteral("土")};
    row.first = {QStringLiteral("明"), QStringLiteral("明"), QStringLiteral("火"), QStringLiteral("míng"), 8};
    row.second = NameChar{QStringLiteral("华"), QStringLiteral("華"), QStringLiteral("水"), QStringLiteral("huá"), 14};
    row.combination = {QStringLiteral("32-25-22-54-29"), QStringLiteral("木土木"), 0};
    return row;
}

}  // namespace

// The cells of the grid and of jiaming-cli list-names, for both shapes of a name: the second
// surname and second given-name character each add their part to the joined cells.
TEST(NameRow, CellsJoinTheSurnameAndGivenNameParts)
{
    const struct { NameRow row; QStringList want; QString pick; } cases[] = {
        {singleSurnameOneChar(),
         {"3", "王华", "王華", "wáng-huá", "土水", "4,14", "5-18-15-18-2", "土金土", "85"}, "王华(85)"},
        {compoundSurnameTwoChars(),
         {"12", "欧阳明华", "歐陽明華", "ōuyáng-míng-huá", "土土火水", "15,17,8,14", "32-25-22-54-29", "木土木", "0"},
         "欧阳明华(0)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cellTexts(c.row), c.want) << c.want[1].toStdString();
        for (int col = 0; col < kListColumnCount; ++col)
            EXPECT_EQ(cellText(c.row, ListColumn(col)), c.want[col]) << col;
        EXPECT_EQ(pickLine(c.row), c.pick);
    }
}
