// list-names and idioms: the list and idiom naming modes from the command line.
#include "naming/idiom_list.h"
#include "naming/list_search.h"
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QStringList linesOf(const QString& out)
{
    return out.split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(NamingListCommands, APageHasNineColumnsNumberedOnThePage)
{
    BuiltDbs dbs;
    const CommandRun r = cli({"list-names", "--surname", "王", "--sex", "男"});
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    const QStringList lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 500);  // a large result: one page of random draws
    for (int i = 0; i < lines.size(); i += 37) {
        const QStringList cells = lines[i].split(u'\t');
        ASSERT_EQ(cells.size(), 9) << lines[i].toStdString();
        EXPECT_EQ(cells[0], QString::number(i + 1));
        EXPECT_TRUE(cells[1].startsWith("王"));
        EXPECT_GE(cells[8].toInt(), 70);
    }
}

TEST(NamingListCommands, AllPrintsTheWholeResultInOrder)
{
    BuiltDbs dbs;
    const QStringList args = {"list-names", "--surname", "王", "--sex", "女", "--mode", "idiom", "--plan", "4|1-6(99分)"};
    const CommandRun all = cli(args + QStringList{"--all"});
    ASSERT_EQ(all.status, kExitOk) << all.err.toStdString();
    const QStringList lines = linesOf(all.out);
    ASSERT_GT(lines.size(), 0);
    ASSERT_LT(lines.size(), 500);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        EXPECT_EQ(cells[0], QString::number(i + 1));
        EXPECT_EQ(cells[5], "4,1,6");
        for (const QString& zi : distinctCharacters(cells[1].mid(1)))
            EXPECT_TRUE(idiomText().contains(zi)) << cells[1].toStdString();
    }
    // A small result is its own first page, in the same order; a second page is refused.
    EXPECT_EQ(cli(args).out, all.out);
    const CommandRun second = cli(args + QStringList{"--page", "2"});
    EXPECT_EQ(second.status, kExitUsage);
    EXPECT_TRUE(second.out.isEmpty());
    EXPECT_TRUE(second.err.contains("after the last page (1)")) << second.err.toStdString();
}

TEST(NamingListCommands, NoNameIsAMessageAndStatusOne)
{
    BuiltDbs dbs;
    const CommandRun r = cli({"list-names", "--surname", "王", "--sex", "男", "--plan", "4|8-14(88分)", "--fixed", "龙"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, noListNameMessage() + "\n");
}

TEST(NamingListCommands, BadInputIsRefusedWithStatusTwo)
{
    BuiltDbs dbs;
    const QStringList base = {"list-names", "--surname", "王", "--sex", "男"};
    const struct {
        const char* why;
        QStringList args;
    } cases[] = {
        {"no surname", {"list-names", "--sex", "男"}},
        {"an empty surname", {"list-names", "--surname", " ", "--sex", "男"}},
        {"no sex", {"list-names", "--surname", "王"}},
        {"an unknown sex", base.mid(0, 3) + QStringList{"--sex", "男孩"}},
        {"an unknown mode", base + QStringList{"--mode", "poem"}},
        {"an unknown length", base + QStringList{"--length", "三字名"}},
        {"an unknown position", base + QStringList{"--position", "第一字"}},
        {"a minimum that is no number", base + QStringList{"--min", "高"}},
        {"both minimum options", base + QStringList{"--min", "70", "--no-min"}},
        {"a page below one", base + QStringList{"--page", "0"}},
        {"a page and all", base + QStringList{"--page", "2", "--all"}},
        {"a plan that does not parse", base + QStringList{"--plan", "七|八"}},
        {"an element that is none", base + QStringList{"--elements", "风"}},
        {"two fixed characters", base + QStringList{"--fixed", "明华"}},
        {"a surname of three characters", {"list-names", "--surname", "司马光", "--sex", "男"}},
    };
    for (const auto& c : cases) {
        const CommandRun r = cli(c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.why;
        EXPECT_TRUE(r.out.isEmpty()) << c.why;
        EXPECT_FALSE(r.err.isEmpty()) << c.why;
    }
}

TEST(NamingListCommands, IdiomsPrintsTheListInOrder)
{
    const CommandRun r = cli({"idioms"});
    ASSERT_EQ(r.status, kExitOk);
    EXPECT_EQ(linesOf(r.out), idiomLines());
    EXPECT_EQ(cli({"idioms", "extra"}).status, kExitUsage);
}
