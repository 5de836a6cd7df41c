// Which elements the naming modes match: lacking, favourable or ticked, and that the poem mode
// follows the choice.
#include "naming/element_source.h"
#include "naming/poem_naming.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

BirthInfo birth1984()
{
    BirthInfo b;
    b.year = "1984";
    b.month = "2";
    b.day = "4";
    b.hour = str("午 12");
    return b;
}

TEST(ElementSource, EachSourceGivesItsElements)
{
    BuiltDbs dbs;
    // 癸亥 乙丑 戊辰 戊午: no 金 among the eight; a strong 戊 favours 金 then 水.
    const struct {
        ElementSource source;
        const char* ticked;
        const char* want;
    } cases[] = {
        {ElementSource::Lacking, "", "金"},
        {ElementSource::Favourable, "", "金水"},
        {ElementSource::Ticked, "土木x土", "木土"},
    };
    for (const auto& c : cases) {
        const auto elements = ChartElementsFor(birth1984(), {c.source, str(c.ticked)});
        ASSERT_TRUE(elements) << c.want;
        EXPECT_EQ(*elements, str(c.want));
    }
    const auto none = ChartElementsFor(birth1984(), {ElementSource::Ticked, QString()});
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error(), str("请至少勾选一种五行!"));
    BirthInfo noDay = birth1984();
    noDay.day.clear();
    EXPECT_EQ(ChartElementsFor(noDay, {ElementSource::Favourable, {}}).error(), str("请选择出生日!"));
    // Ticked elements need no birth at all.
    EXPECT_TRUE(ChartElementsFor(noDay, {ElementSource::Ticked, str("水")}));
}

TEST(ElementSource, ThePoemModeFollowsTheChoice)
{
    BuiltDbs dbs;
    PoemNamingInput in{str("李"), str("明月几时有，把酒问青天。"), false, true, birth1984(), {}};
    in.elements = {ElementSource::Ticked, str("金水")};
    EXPECT_EQ(RunPoemNaming(in).missingElements, str("金水"));
    in.elements = {ElementSource::Favourable, {}};
    EXPECT_EQ(RunPoemNaming(in).missingElements, str("金水"));
    in.elements = {ElementSource::Lacking, {}};
    EXPECT_EQ(RunPoemNaming(in).missingElements, str("金"));
}

}  // namespace
