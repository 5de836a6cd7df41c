// The bone-weight reading: the sum in 钱, the weight code, the three lines and the silent abandon.
#include "calendar/bone_weight.h"
#include "data/db_error.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// Weights of lunar year 2000, month 3, day 15 and hour 8; nullopt leaves the table without that row.
struct Weights {
    std::optional<double> year, month, day, hour;
    const char* code;        // the key of the verse row
    const char* weightLine;  // nullptr: no line for any part
};

void fill(FixtureDbs& dbs, const Weights& w)
{
    QString sql;
    auto row = [&sql](const char* table, const char* key, std::optional<double> weight) {
        if (weight) sql += QStringLiteral("insert into %1 values (%2, %3);").arg(table, key).arg(*weight);
    };
    row("chenggu1", "'2000'", w.year);
    row("chenggu2", "3", w.month);
    row("chenggu3", "15", w.day);
    row("chenggu4", "8", w.hour);
    for (const char* code : {"33", "42", "50"})
        sql += QStringLiteral("insert into chenggu values ('%1', ' 诗%1 ', '解%1  ');").arg(code);
    dbs.exec(Db::Dream, sql);
}

std::optional<QString> line(int part) { return BoneWeightLine("2000", "3", "15", "8", part); }

}  // namespace

TEST(WeightCode, TwoDigitsOfLiangAndQian)
{
    const struct { int qian; const char* code; } cases[] = {
        {42, "42"}, {50, "50"}, {21, "21"}, {71, "71"}, {5, "05"},
        // past the two digits: keys that no row carries
        {100, "1"}, {105, "1."},
    };
    for (const auto& c : cases) EXPECT_EQ(WeightCode(c.qian), QString::fromUtf8(c.code)) << c.qian;
}

TEST(BoneWeightLine, AddsTheFourWeightsInWholeQian)
{
    const Weights cases[] = {
        {1.2, 0.9, 1.6, 0.5, "42", "你的骨重为：4两2钱"},
        {0.5, 0.5, 1.3, 1.9, "42", "你的骨重为：4两2钱"},  // 4.199999… when added as doubles
        {0.5, 1.8, 1.9, 0.8, "50", "你的骨重为：5两"},     // 4.999999… as doubles; a whole 两 has no 钱
        {1.2, std::nullopt, 1.6, 0.5, "33", "你的骨重为：3两3钱"},  // a month without a row weighs nothing
        {1.2, 1.9, 1.6, 1.4, "61", nullptr},  // no verse for that code
    };
    for (const Weights& w : cases) {
        FixtureDbs dbs;
        fill(dbs, w);
        const std::optional<QString> weight = line(0);
        if (!w.weightLine) {
            EXPECT_FALSE(weight) << weight->toStdString();
            EXPECT_FALSE(line(1));
            EXPECT_FALSE(line(2));
            continue;
        }
        ASSERT_TRUE(weight) << w.weightLine;
        EXPECT_EQ(*weight, QString::fromUtf8(w.weightLine));
        EXPECT_EQ(line(1), "骨重诗评：诗" + QString::fromUtf8(w.code));
        EXPECT_EQ(line(2), "骨重解评：解" + QString::fromUtf8(w.code));
        EXPECT_FALSE(line(3));
    }
}

TEST(BoneWeightLine, AStatementThatCannotRunAbandonsTheAction)
{
    FixtureDbs dbs;
    fill(dbs, {1.2, 0.9, 1.6, 0.5, "42", nullptr});
    dbs.exec(Db::Dream, "drop table chenggu;");
    EXPECT_THROW(line(0), ActionAbandoned) << "the verse table is missing";
    dbs.remove(Db::Dream);
    for (int part = 0; part < 3; ++part) EXPECT_THROW(line(part), ActionAbandoned) << part;
}

TEST(BoneWeightLine, BuiltTables)
{
    BuiltDbs dbs;
    // 甲子 1.2, 正月 0.6, 初一 0.5, 子时 1.6
    EXPECT_EQ(BoneWeightLine("1984", "1", "1", "0", 0), "你的骨重为：3两9钱");
    EXPECT_EQ(BoneWeightLine("1984", "1", "1", "0", 1),
              "骨重诗评：此命终身运不通，劳劳作事尽皆空，苦心竭力成家计，到得那时在梦中。");
    const auto explanation = BoneWeightLine("1984", "1", "1", "0", 2);
    ASSERT_TRUE(explanation);
    EXPECT_TRUE(explanation->startsWith("骨重解评：") && explanation->size() > 10) << explanation->toStdString();
    // 23:00 is the 子 hour as well
    EXPECT_EQ(BoneWeightLine("1984", "1", "1", "23", 0), "你的骨重为：3两9钱");
}
