// jiaming-cli compare: the comparison table of the compare window, tab-separated.
#include "calendar/missing_elements.h"
#include "naming/name_comparison.h"
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CompareCommand, PrintsAHeaderAndTheRowsOfTheComparisonTable)
{
    BuiltDbs dbs;
    const CommandRun run = cli({"compare", "--surname", "王", "--given", "明华，梓轩,子涵", "--sex", "女", "--year", "2024",
                                "--month", "5", "--day", "1", "--hour", "午 12"});
    ASSERT_EQ(run.status, kExitOk) << run.err.toStdString();
    BirthInfo birth;
    birth.sex = "女";
    birth.year = "2024";
    birth.month = "5";
    birth.day = "1";
    birth.hour = "午 12";
    const ComparisonTable table =
        compareNames({{"王", "明华", "", ""}, {"王", "梓轩", "", ""}, {"王", "子涵", "", ""}}, *ComputeMissingElements(birth),
                     ChildSex::Girl);
    EXPECT_EQ(run.out, comparisonLines(table, u'\t').join(u'\n') + "\n");
    const QStringList lines = run.out.split(u'\n');
    EXPECT_TRUE(lines[0].startsWith("姓名\t拼音\t声调\t综合评分\t天格")) << lines[0].toStdString();
    EXPECT_EQ(lines[2].split(u'\t').value(int(ComparisonColumn::Supplies)), "补足金") << "the chart of that day lacks 金; 轩 is 金";

    const CommandRun noChart = cli({"compare", "--surname", "欧阳", "--given", "明"});
    ASSERT_EQ(noChart.status, kExitOk);
    EXPECT_EQ(noChart.out.split(u'\n')[1].split(u'\t').value(int(ComparisonColumn::Supplies)), "") << "no birth option, no 补缺 verdict";
}

TEST(CompareCommand, WritesThePdfBesideTheTable)
{
    BuiltDbs dbs;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("比较.pdf");
    const CommandRun run = cli({"compare", "--surname", "王", "--given", "明华", "--pdf", pdf});
    ASSERT_EQ(run.status, kExitOk) << run.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), "%PDF-");
    EXPECT_EQ(cli({"compare", "--surname", "王", "--given", "明华", "--pdf", dir.filePath("无此目录/x.pdf")}).status,
              kExitFailure);
}

TEST(CompareCommand, RefusesBadInputWithAMessageAndStatusTwo)
{
    BuiltDbs dbs;
    const struct { QStringList args; const char* why; } cases[] = {
        {{"--given", "明华"}, "no surname"},
        {{"--surname", "Wang", "--given", "明华"}, "a surname that is no Chinese text"},
        {{"--surname", "王"}, "no given names"},
        {{"--surname", "王", "--given", "明华,,子涵"}, "an empty name in the list"},
        {{"--surname", "王", "--given", "明华,Ming"}, "a name that is no Chinese text"},
        {{"--surname", "王", "--given", "明华,明华"}, "a name given twice"},
        {{"--surname", "王", "--given", "明华", "--year", "1800"}, "a year outside the tables"},
        {{"--surname", "王", "--given", "明华", "--month", "二月"}, "a month that is no number"},
        {{"--surname", "王", "--given", "明华", "--pdf", ""}, "--pdf without a file"},
        {{"--surname", "王", "--given", "明华", "--colour", "红"}, "an unknown option"},
    };
    for (const auto& c : cases) {
        const CommandRun run = cli(QStringList{"compare"} + c.args);
        EXPECT_EQ(run.status, kExitUsage) << c.why;
        EXPECT_TRUE(run.out.isEmpty()) << c.why;
        EXPECT_FALSE(run.err.isEmpty()) << c.why;
    }
}
