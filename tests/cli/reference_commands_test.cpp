// article, omen, english-names and nicknames, run in-process against the built knowledge files.
#include "cli/cmd_reference.h"
#include "tests/cli/command_run.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST(ReferenceCommands, ArticlePrintsTitleThenContentAndFailsQuietlyWithoutOne)
{
    FixtureDbs dbs;
    dbs.exec(Db::KelBirth, QStringLiteral("insert into Noter values ('XM018', ' 常见小名 ', '\n明明\n小明\n');"));
    CommandRun r = cli({"article", "XM018"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, str("常见小名\n明明\n小明\n"));

    r = cli({"article", "XM999"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.isEmpty());

    EXPECT_EQ(cli({"article"}).status, kExitUsage);
    dbs.remove(Db::KelBirth);
    r = cli({"article", "XM018"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(ReferenceCommands, OmenAndEnglishNamesPrintTheirTexts)
{
    CommandRun r = cli({"omen", "6"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_TRUE(r.out.startsWith(str("子时：左主女思，右主失财。丑时：左主口舌，右主争讼。\n\n")));

    r = cli({"english-names", "--sex", str("女")});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_TRUE(r.out.startsWith(str("Olivia ")));
    EXPECT_NE(r.out, cli({"english-names", "--sex", str("男")}).out);

    for (const QStringList& bad : {QStringList{"omen", "7"}, QStringList{"omen", "x"}, QStringList{"omen"},
                                   QStringList{"english-names", "--sex", "m"}}) {
        r = cli(bad);
        EXPECT_EQ(r.status, kExitUsage) << bad.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(ReferenceCommands, NicknamesOnePerLineNicknameFirst)
{
    BuiltDbs dbs;
    CommandRun r = cli({"nicknames", "--sex", str("男"), "--pattern", str("宝娃型"), "--year", "1980", "--month", "5",
                        "--day", "1", "--hour", "12", "--minute", "0"});
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    const QStringList lines = r.out.trimmed().split(u'\n');
    EXPECT_GE(lines.size(), 20);
    for (const QString& line : lines) EXPECT_EQ(line.mid(1, 1), str("娃")) << line.toStdString();
    EXPECT_TRUE(lines.front().contains(str("五行:水")));  // this chart lacks water

    const struct { QStringList args; const char* err; } bad[] = {
        {{"nicknames", "--pattern", str("宝贝型")}, "--pattern"},
        {{"nicknames", "--sex", "x"}, "--sex"},
        {{"nicknames", "--month", "2", "--day", "30"}, "请检查输入数据是否出错！"},
        {{"nicknames", "--calendar", "x"}, "--calendar"},
    };
    for (const auto& b : bad) {
        r = cli(b.args);
        EXPECT_EQ(r.status, kExitUsage) << b.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(str(b.err))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}
