#include "data/text_file.h"
#include "naming/shortlist.h"
#include "naming/shortlist_file.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ShortlistName name(const char* surname, const char* given, const char* source = "", const char* line = "")
{
    return {QString::fromUtf8(surname), QString::fromUtf8(given), QString::fromUtf8(source), QString::fromUtf8(line)};
}

QStringList fullNames(const std::vector<ShortlistName>& names)
{
    QStringList out;
    for (const ShortlistName& n : names) out << n.surname + "|" + n.givenName + "|" + n.source;
    return out;
}

}  // namespace

TEST(Shortlist, RefusesAFullNameItHoldsAndTellsEveryChangeOnce)
{
    Shortlist list;
    int notices = 0;
    QObject::connect(&list, &Shortlist::changed, [&] { ++notices; });

    EXPECT_TRUE(list.add(name("王", "明华", "", "王明华(85分)")));
    EXPECT_FALSE(list.add(name("王", "明华", "", "王明华(90分)"))) << "the same full name from another line";
    EXPECT_FALSE(list.add(name("王明", "华"))) << "the same characters cut elsewhere are the same name";
    EXPECT_FALSE(list.add(name("王", " "))) << "no given name";
    EXPECT_EQ(notices, 1);

    EXPECT_EQ(list.addAll({name("王", "子涵"), name("王", "明华"), name("欧阳", "明")}), 2);
    EXPECT_EQ(notices, 2) << "one notice for a whole file";
    EXPECT_EQ(list.shownLines(), (QStringList{"王明华(85分)", "王子涵", "欧阳明"}));

    list.remove(3);
    list.remove(-1);
    EXPECT_EQ(notices, 2) << "removing outside the list changes nothing";
    list.remove(1);
    EXPECT_EQ(list.shownLines(), (QStringList{"王明华(85分)", "欧阳明"}));
    list.clear();
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(notices, 4) << "clearing an empty list tells nobody";
}

TEST(ShortlistFile, SurnameComesFromTheBoxThenTheCompoundListThenTheFirstCharacter)
{
    const struct { const char* full; const char* box; const char* surname; const char* why; } cases[] = {
        {"王明华", "王", "王", "the box's surname"},
        {"欧阳明", "王", "欧阳", "a compound surname the box does not hold"},
        {"欧明华", "欧阳", "欧", "the box does not match: the first character"},
        {"司马懿", "", "司马", "an empty box"},
        {"王五", "王五", "王", "the box cannot take the whole name"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(surnameOfFullName(QString::fromUtf8(c.full), QString::fromUtf8(c.box)), QString::fromUtf8(c.surname))
            << c.why;
}

TEST(ShortlistFile, RoundTripKeepsEveryNameItsSurnameAndItsPoemLine)
{
    const std::vector<ShortlistName> names = {name("王", "明华", "", "王明华(85分)"),
                                              name("王", "关雎", "关关雎鸠，在河之洲。"), name("欧阳", "子涵")};
    QTemporaryDir dir;
    const QString path = dir.filePath("已选.txt");
    ASSERT_TRUE(writeShortlistFile(path, names).hasValue());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "王明华\n王关雎\t关关雎鸠，在河之洲。\n欧阳子涵\n")
        << "one full name per line, the source after a tab, no byte-order mark";

    const auto read = readShortlistFile(path, "王");
    ASSERT_TRUE(read.hasValue());
    EXPECT_EQ(fullNames(read->names), (QStringList{"王|明华|", "王|关雎|关关雎鸠，在河之洲。", "欧阳|子涵|"}));
    EXPECT_EQ(read->skipped, 0);
}

TEST(ShortlistFile, ReadsGbkAndUtf8AndSkipsWhatIsNoName)
{
    // Blank lines are ignored; each of the other bad lines is counted once.
    const QString text = "王明华\r\n"
                         "\r\n"
                         "   \r\n"
                         "王子涵\t蒹葭苍苍，白露为霜。\r\n"
                         "Wang Ming\r\n"          // no Chinese name
                         "王\r\n"                 // a surname alone
                         "王明\t出处\t多余\r\n"   // two tabs
                         "王明华\r\n"             // a repeat
                         "王😀\r\n"               // a character that is no hanzi
                         "欧阳明";                // the last line without its line end
    const QStringList want = {"王|明华|", "王|子涵|蒹葭苍苍，白露为霜。", "欧阳|明|"};

    const auto gbk = encodeGb18030(text);
    ASSERT_TRUE(gbk.hasValue());
    ASSERT_NE(*gbk, text.toUtf8()) << "the fixture must really be GBK bytes";
    const struct { QByteArray bytes; const char* encoding; } files[] = {
        {*gbk, "GBK"}, {text.toUtf8(), "UTF-8"}, {QByteArray("\xEF\xBB\xBF") + text.toUtf8(), "UTF-8 with BOM"}};
    for (const auto& f : files) {
        const ShortlistFileRead read = parseShortlistText(f.bytes, "王");
        EXPECT_EQ(fullNames(read.names), want) << f.encoding;
        EXPECT_EQ(read.skipped, 4) << f.encoding;
    }
    EXPECT_EQ(shortlistReadNotice(parseShortlistText(*gbk, "王"), 2),
              "已读入 3 个名字，其中 1 个已在已选名字中；跳过 4 行无法识别的内容。");
    EXPECT_EQ(shortlistReadNotice(parseShortlistText("王明华\n", "王"), 1), "已读入 1 个名字。");
}

TEST(ShortlistFile, AFileThatCannotBeOpenedOrWrittenSaysWhich)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("无此文件.txt");
    const auto read = readShortlistFile(missing, "王");
    ASSERT_FALSE(read.hasValue());
    EXPECT_EQ(read.error(), "无法打开文件：" + missing);
    const QString noFolder = dir.filePath("无此目录/已选.txt");
    const auto written = writeShortlistFile(noFolder, {name("王", "明华")});
    ASSERT_FALSE(written.hasValue());
    EXPECT_EQ(written.error(), "无法写入文件：" + noFolder);
}
