#include "naming/idiom_list.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString illOmenedCharacters()
{
    QFile file(QStringLiteral(JIAMING_SOURCE_DIR "/db/dict/ill_omened.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString chars;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.startsWith(u'#')) chars += line.simplified().remove(u' ');
    return chars;
}

}  // namespace

TEST(IdiomList, HoldsThousandsOfFourCharacterIdiomsWithoutAnIllOmenedCharacter)
{
    const QStringList& lines = idiomLines();
    EXPECT_GE(QSet<QString>(lines.begin(), lines.end()).size(), 3000);
    const QString ill = illOmenedCharacters();
    ASSERT_GT(ill.size(), 100);
    for (const QString& idiom : lines) {
        EXPECT_EQ(idiom.size(), 4) << idiom.toStdString();
        for (QChar c : idiom) EXPECT_FALSE(ill.contains(c)) << idiom.toStdString();
    }
}

TEST(IdiomList, TheTextIsTheLinesJoinedAndItsCharacterSetCountsCodePoints)
{
    EXPECT_EQ(idiomText({"年富力强", "才德兼备"}), "年富力强\n才德兼备");
    // A character outside the basic plane is one member, not two halves.
    EXPECT_EQ(distinctCharacters("力强\n力𫖯"), QStringList({"力", "强", "\n", "𫖯"}));
}

TEST(IdiomList, ToolTipIdiomsAreTheFirstThatContainTheCharacterInListOrder)
{
    const QStringList lines = {"年富力强", "才德兼备", "齐心协力", "力争上游", "同心协力"};
    EXPECT_EQ(idiomsContaining("力", 3, lines), QStringList({"年富力强", "齐心协力", "力争上游"}));
    EXPECT_EQ(idiomsContaining("鑫", 3, lines), QStringList());
    EXPECT_EQ(idiomToolTip("力才", lines), "力：年富力强、齐心协力、力争上游\n才：才德兼备");
    EXPECT_EQ(idiomToolTip("力力", lines), "力：年富力强、齐心协力、力争上游");  // a character once
    EXPECT_EQ(idiomToolTip("鑫", lines), "");
    // Every character a name can take from the list is found by the tool tip too.
    for (const QString& zi : distinctCharacters(idiomText())) {
        if (zi == "\n") continue;
        EXPECT_FALSE(idiomsContaining(zi, 1).isEmpty()) << zi.toStdString();
    }
}
