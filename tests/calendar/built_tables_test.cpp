// The calendar tables of the built Tgcode.dll.
#include "calendar/beijing_time.h"
#include "calendar/solar_term_names.h"

#include "data/query.h"
#include "tests/support/fixture_db.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(BuiltTables, TermTableHasEveryTermOf1900To2100InOrder)
{
    BuiltDbs dbs;
    Query q(Db::Tgcode);
    q.open(QStringLiteral("select YearA, JQ, SJ from JQ order by SJ"));
    ASSERT_EQ(q.rowCount(), 201 * 24);
    QDateTime previous;
    int expectedIndex = 0;
    int expectedYear = 1900;
    for (; !q.atEnd(); q.next()) {
        ASSERT_EQ(q.field(0).asInt(), expectedYear);
        ASSERT_EQ(SolarTermIndex(q.field(1).asText()), expectedIndex) << expectedYear;
        const QDateTime m = MomentFromText(q.field(2).asText());
        ASSERT_TRUE(m.isValid()) << q.field(2).asText().toStdString();
        ASSERT_EQ(m.date().year(), expectedYear);
        if (previous.isValid()) {
            ASSERT_LT(previous.secsTo(m), 16 * 86400);
        }
        previous = m;
        if (++expectedIndex == 24) {
            expectedIndex = 0;
            ++expectedYear;
        }
    }
    EXPECT_EQ(q.scalarText(QStringLiteral("select SJ from JQ where YearA = ? and JQ = ?"), 1984, str("立春")),
              QStringLiteral("1984-02-04 23:18:51"));
}

TEST(BuiltTables, SixtyPairsAndHundredTenGods)
{
    BuiltDbs dbs;
    Query q(Db::Tgcode);
    EXPECT_EQ(q.scalarInt(QStringLiteral("select count(*) from jiazi")), 60);
    EXPECT_EQ(q.scalarText(QStringLiteral("select layin from jiazi where jiazi = ?"), str("甲子")), str("海中金"));
    EXPECT_EQ(q.scalarText(QStringLiteral("select ws from jiazi where jiazi = ?"), str("壬戌")), str("水"));
    EXPECT_EQ(q.scalarInt(QStringLiteral("select count(*) from Shishen")), 100);
    EXPECT_EQ(q.scalarText(QStringLiteral("select ShiShen from Shishen where jiazi = ?"), str("甲丙")), str("食神"));
    EXPECT_EQ(q.scalarText(QStringLiteral("select ShiShen from Shishen where jiazi = ?"), str("戊甲")), str("七杀"));
}

}  // namespace
