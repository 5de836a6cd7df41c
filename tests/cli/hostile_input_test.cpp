// Every command of jiaming-cli against values it cannot answer and against damaged knowledge files.
#include "cli/command.h"
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace {

const QStringList kName = {"--surname", "李", "--given", "明"};

QString nameOf(const QStringList& args)
{
    return args.join(u' ');
}

}  // namespace

TEST(HostileInput, ValuesOutsideWhatACommandCanAnswerAreRefused)
{
    BuiltDbs dbs;
    const QStringList refused[] = {
        {"strokes", ""},
        {"lunar", "1899-12-31"}, {"lunar", "2101-01-01"},
        {"solar", "1900", "1", "1"}, {"solar", "2100", "1", "1"}, {"solar", "2023", "13", "1"},
        {"solar", "2023", "1", "31"}, {"solar", "2023", "-1", "1"},
        {"bone", "1984", "13", "1", "0"}, {"bone", "1899", "1", "1", "0"}, {"bone", "2101", "1", "1", "0"},
        {"bone", "1984", "0", "1", "0"}, {"bone", "1984", "1", "31", "0"}, {"bone", "1984", "1", "0", "0"},
        {"bone", "1984", "1", "1", "24"}, {"bone", "1984", "1", "1", "-1"}, {"bone", "1984", "一", "1", "0"},
        {"terms", "1899"}, {"terms", "2101"},
        {"pillars", "--date", "1899-12-31"}, {"pillars", "--date", "2101-01-01"},
        {"pillars", "--date", "1984-02-04", "--minute", "60"}, {"pillars", "--date", "1984-02-04", "--hour", "-1"},
        QStringList{"bazi"} + kName + QStringList{"--year", "1899"},
        QStringList{"bazi"} + kName + QStringList{"--year", "2101"},
        QStringList{"bazi"} + kName + QStringList{"--month", "13"},
        QStringList{"bazi"} + kName + QStringList{"--day", "32"},
        QStringList{"bazi"} + kName + QStringList{"--hour", "午 24"},
        QStringList{"bazi"} + kName + QStringList{"--sex", "男女"},
        QStringList{"analyse"} + kName + QStringList{"--year", "1899"},
        QStringList{"analyse"} + kName + QStringList{"--minute", "60"},
        QStringList{"analyse"} + kName + QStringList{"--calendar", "阴历"},
        QStringList{"name-report"} + kName + QStringList{"--year", "3000"},
        QStringList{"name-report"} + kName + QStringList{"--sex", "x"},
        QStringList{"name-report"} + kName + QStringList{"--hour", "25"},
        {"nicknames", "--year", "1899"}, {"nicknames", "--month", "0"}, {"nicknames", "--sex", "x"},
        {"poem-names", "--surname", "王", "--sex", "男", "--text", "明月", "--bazi", "--year", "1899"},
        {"poem-names", "--surname", "王", "--sex", "男", "--text", "明月", "--bazi", "--day", "0"},
        {"calendar-day", "1900-12-31"}, {"calendar-day", "2050-12-31", "2051-01-01"},
        {"calendar", "1900-12"}, {"calendar", "2024-13"},
        {"almanac", "2024-02-30"},
        {"poem-list", "--author", "999999"}, {"poem", "--id", "0"},
        {"omen", "7"}, {"omen", "-1"},
        {"english-names", "--sex", "x"},
        {"plans", "--surname", "王", "--min", "100"},
        {"names", "--surname", "王", "--sex", "男", "--pick", "-1"},
        {"list-names", "--surname", "王", "--sex", "男", "--page", "0"},
        {"list-names", "--surname", "王", "--sex", "女", "--mode", "idiom", "--plan", "4|1-6(99分)", "--page", "2"},
        {"number", "一二三"}, {"love", "", ""}, {"netname", ""}, {"wuxing", " "},
    };
    for (const QStringList& args : refused) {
        const CommandRun r = cli(args);
        EXPECT_EQ(r.status, kExitUsage) << nameOf(args).toStdString() << "\n" << r.out.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << nameOf(args).toStdString() << "\n" << r.out.toStdString();
        EXPECT_FALSE(r.err.trimmed().isEmpty()) << nameOf(args).toStdString();
    }
}

TEST(HostileInput, TheEdgesOfTheTablesAreStillAnswered)
{
    BuiltDbs dbs;
    const QStringList answered[] = {
        {"lunar", "1900-01-31"}, {"lunar", "2100-12-31"}, {"solar", "1901", "1", "1"}, {"solar", "2099", "12", "1"},
        {"bone", "1900", "12", "30", "23"}, {"bone", "2100", "1", "1", "0"}, {"terms", "1900"}, {"terms", "2100"},
        {"pillars", "--date", "1900-01-01"}, {"pillars", "--date", "2100-12-31", "--hour", "23", "--minute", "59"},
        QStringList{"bazi"} + kName + QStringList{"--year", "2100", "--month", "12", "--day", "31", "--hour", "子 23"},
        {"calendar-day", "1901-01-01"}, {"calendar-day", "2050-12-31"},
    };
    for (const QStringList& args : answered) {
        const CommandRun r = cli(args);
        EXPECT_EQ(r.status, kExitOk) << nameOf(args).toStdString() << "\n" << r.err.toStdString();
        EXPECT_FALSE(r.out.isEmpty()) << nameOf(args).toStdString();
    }
}

// Each command with a sound request, run against every kind of damaged file: it either answers
// from what it could read (a quiet lookup) or fails with status 1 and says so; it never crashes and
// never reports a damaged file as bad input. The commands that read a file with reported failure
// must say so.
TEST(HostileInput, DamagedKnowledgeFilesAreReadFailuresNeverCrashes)
{
    struct Case {
        QStringList args;
        bool mustFail;  // reported failure: status 1 with a message
    };
    const Case cases[] = {
        {{"dbinfo"}, true},
        {{"strokes", "李明"}, false},
        {{"grids", "李", "明"}, false},
        {{"score", "李", "明"}, false},
        {QStringList{"analyse"} + kName, false},
        {QStringList{"name-report"} + kName, false},
        {{"lunar", "2023-03-22"}, false},
        {{"solar", "2023", "2", "1", "1"}, false},
        {{"sign", "2000-04-21"}, false},
        {{"bone", "1984", "1", "15", "8"}, true},
        {{"terms", "2024"}, true},
        {{"pillars", "--date", "1984-02-04", "--hour", "12"}, false},
        {QStringList{"bazi"} + kName, false},
        {{"number", "123456789"}, false},
        {{"qq", "123456789"}, false},
        {{"mobile", "13800001234"}, true},
        {{"love", "王小明", "李小红"}, false},
        {{"gbstrokes", "王小明"}, false},
        {{"initials", "小宝", "--full"}, false},
        {{"netname", "小宝"}, false},
        {{"wuxing", "王小明"}, true},
        {{"calendar-day", "2024-02-10"}, false},
        {{"calendar", "2024-02"}, false},
        {{"almanac", "2024-02-10"}, false},
        {{"poems", "--search", "明月"}, true},
        {{"poem-list", "--author", "1"}, true},
        {{"poem", "--id", "1"}, true},
        {{"poem-names", "--surname", "王", "--sex", "男", "--text", "关关雎鸠，在河之洲。"}, true},
        {{"article", "XM018"}, true},
        {{"omen", "0"}, false},
        {{"english-names", "--sex", "女"}, false},
        {{"nicknames", "--sex", "女", "--pattern", "小宝型"}, false},
        {{"plans", "--surname", "王"}, true},
        {{"names", "--surname", "王", "--sex", "男", "--plan", "4|17-20(93分)"}, true},
        {{"list-names", "--surname", "王", "--sex", "男"}, true},
        {{"idioms"}, false},
        {{"places", "wlmq"}, true},
        {{"strength", "--year", "1984"}, false},
        {{"quality", "--surname", "王", "--given", "梓轩"}, true},
        {{"compare", "--surname", "王", "--given", "明华,梓轩", "--year", "2024", "--month", "5", "--day", "1"}, true},
    };
    std::set<QString> covered;
    for (const Case& c : cases) covered.insert(c.args.front());
    for (const Command& command : commands()) EXPECT_TRUE(covered.count(command.name)) << command.name;

    const struct { const char* name; std::optional<Damage> how; } damages[] = {
        {"missing", std::nullopt}, {"empty", Damage::Empty}, {"truncated", Damage::Truncated}, {"garbage", Damage::Garbage}};
    for (const auto& damage : damages) {
        FixtureDbs dbs;
        if (damage.how)
            for (Db db : kAllDbs) dbs.damage(db, *damage.how);
        for (const Case& c : cases) {
            const std::string what = nameOf(c.args).toStdString() + " with " + damage.name + " files";
            const CommandRun r = cli(c.args);
            EXPECT_TRUE(r.status == kExitOk || r.status == kExitFailure) << what << ": " << r.status << "\n" << r.err.toStdString();
            if (r.status == kExitFailure) {
                EXPECT_FALSE(r.err.trimmed().isEmpty()) << what;
            }
            if (c.mustFail) {
                EXPECT_EQ(r.status, kExitFailure) << what << "\n" << r.out.toStdString();
            }
        }
    }
}
