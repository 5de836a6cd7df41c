// The poem commands of jiaming-cli over the built poem library and dictionary.
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString str(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TEST(PoemCommands, TheTreeStartsWithTheSectionsOfTheShijingAndTheChuci)
{
    BuiltDbs dbs;
    const CommandRun all = cli({"poems"});
    ASSERT_EQ(all.status, kExitOk) << all.err.toStdString();
    const QStringList lines = all.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.mid(0, 7), (QStringList{str("先秦\t诗经·国风\t1"), str("先秦\t诗经·小雅\t2"), str("先秦\t诗经·大雅\t3"),
                                            str("先秦\t诗经·周颂\t4"), str("先秦\t诗经·鲁颂\t5"), str("先秦\t诗经·商颂\t6"),
                                            str("先秦\t楚辞·屈原\t7")}));
    EXPECT_TRUE(lines.contains(str("宋\t苏轼\t") + lines.filter(str("\t苏轼\t")).value(0).section('\t', 2)));

    // A line of one poem finds that poem alone, under its author, and the text prints whole.
    const CommandRun found = cli({"poems", "--search", str("在河之洲")});
    EXPECT_EQ(found.out, str("先秦\t诗经·国风\t1\n"));
    const CommandRun list = cli({"poem-list", "--author", "1", "--search", str("在河之洲")});
    ASSERT_EQ(list.out.count('\n'), 1);
    EXPECT_TRUE(list.out.endsWith(str("\t关雎（周南）\n")));
    const CommandRun poem = cli({"poem", "--id", list.out.section('\t', 0, 0)});
    EXPECT_TRUE(poem.out.startsWith(str("关关雎鸠，在河之洲。\n窈窕淑女，君子好逑。\n")));

    EXPECT_EQ(cli({"poem", "--id", "999999"}).status, kExitUsage);
    EXPECT_EQ(cli({"poem-list", "--author", "x"}).status, kExitUsage);
}

TEST(PoemCommands, NamesFromATextWithTheirSourceAndTheRefusals)
{
    BuiltDbs dbs;
    QTemporaryDir dir;
    QFile file(dir.filePath("text.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(str("关关雎鸠，在河之洲。\n窈窕淑女，君子好逑。\n").toUtf8());
    file.close();

    const CommandRun names = cli({"poem-names", "--surname", str("王"), "--sex", str("男"), "--text-file",
                                  file.fileName(), "--source"});
    ASSERT_EQ(names.status, kExitOk) << names.err.toStdString();
    const QStringList lines = names.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    int previous = 0;
    for (const QString& line : lines) {
        const int score = line.section('(', 1).section(str("分"), 0, 0).toInt();
        EXPECT_GE(score, previous) << line.toStdString();
        previous = score;
        EXPECT_TRUE(line.contains(str(")\t出处："))) << line.toStdString();
    }
    EXPECT_TRUE(lines.contains(str("王君子(83分)\t出处：窈窕淑女，君子好逑。"))) << names.out.toStdString();

    const CommandRun none = cli({"poem-names", "--surname", str("王"), "--sex", str("男"), "--text", "abc"});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_EQ(none.err, str("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！\n"));

    const struct { QStringList args; const char* err; } refused[] = {
        {{"--surname", " ", "--sex", str("男"), "--text", ""}, "姓不能为空!\n"},
        {{"--surname", str("王"), "--sex", str("男"), "--text", " \n"}, "没有选择诗词，请查看已选诗词!\n"},
        {{"--surname", str("王"), "--sex", str("男"), "--text", str("明"), "--bazi", "--month", "2", "--day", "30"},
         "请检查输入数据是否出错！\n"},
    };
    for (const auto& r : refused) {
        const CommandRun run = cli(QStringList{"poem-names"} + r.args);
        EXPECT_EQ(run.status, kExitUsage) << r.err;
        EXPECT_EQ(run.err, str(r.err));
    }
    EXPECT_EQ(cli({"poem-names", "--surname", str("王"), "--sex", "x", "--text", str("明")}).status, kExitUsage);
    EXPECT_EQ(cli({"poem-names", "--surname", str("王"), "--sex", str("男")}).status, kExitUsage);
}
