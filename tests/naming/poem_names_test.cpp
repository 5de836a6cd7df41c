// Names drawn from a text: candidates, stroke patterns, scores, the element preference, the checks of
// a start, and where a name comes from.
#include "naming/poem_naming.h"
#include "naming/poem_names.h"

#include "calendar/lunar_calendar.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Surnames 王 (4 strokes), 欧 (8) and 阳 (6); given-name characters with strokes, element and sex
// marks. 娟 is a girl's character, 之 and 乎 suit either sex but are marked for neither, 丑 is flagged.
const char* const kWords =
    "insert into word (zi, bh, wuhang, nan, nv, xb, Aflag) values "
    "('王', 4, '土', 1, 1, '1', null), ('欧', 8, '土', 0, 0, '1', null), ('阳', 6, '土', 1, 0, '男', null),"
    "('明', 8, '火', 1, 1, '1', null), ('华', 6, '水', 1, 1, '1', null), ('林', 8, '木', 1, 1, '1', null),"
    "('娟', 10, '木', 0, 1, '女', null), ('之', 3, '火', 0, 0, '1', null), ('乎', 5, '水', 0, 0, '1', null), ('丑', 4, '土', 1, 1, '1', '1');";

struct PoemNames_ : ::testing::Test {
    FixtureDbs dbs;
    PoemNames_() { dbs.exec(Db::Velmora, str(kWords)); }

    // zh rows: kind, surname strokes, given-name strokes, score.
    void pattern(int lx, int bh11, int bh12, int bh21, int bh22, int zf)
    {
        dbs.exec(Db::Velmora, QString("insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx) values (%1, %2, %3, %4, %5, %6, 1)")
                                  .arg(lx).arg(bh11).arg(bh12).arg(bh21).arg(bh22).arg(zf));
    }

    static QStringList find(const char* surname, const char* text, bool one = false, const char* sex = "男",
                            const char* e1 = "", const char* e2 = "")
    {
        return FindPoemNames({str(surname), str(sex), one, str(text), str(e1), str(e2)}).lines();
    }
};

}  // namespace

TEST(PreferredElements, TheFirstTwoMissingElementsAfterTheSurnamesOwn)
{
    const struct { const char* missing; const char* s1; const char* s2; const char* left; const char* e1; const char* e2; } cases[] = {
        {"木水火", "", "", "木水火", "木", "水"},
        {"木水火", "木", "", "水火", "水", "火"},
        {"木水火", "土", "木", "水火", "水", "火"},
        {"木水火", " 水 ", "火", "木", "木", ""},
        {"木", "木", "", "", "", ""},
        {"", "金", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const ElementPreference p = PreferredElements(str(c.missing), str(c.s1), str(c.s2));
        EXPECT_EQ(p.missing, str(c.left)) << c.missing << " " << c.s1;
        EXPECT_EQ(p.first, str(c.e1)) << c.missing << " " << c.s1;
        EXPECT_EQ(p.second, str(c.e2)) << c.missing << " " << c.s1;
    }
}

TEST_F(PoemNames_, OneCharacterOfTextGivesOnlyThatNameAndOnlyWithItsPattern)
{
    EXPECT_TRUE(find("王", "明", true).isEmpty()) << "no pattern for 4 and 8";
    pattern(11, 4, 0, 8, 0, 85);
    pattern(12, 4, 0, 8, 8, 99);  // two-character patterns play no part
    EXPECT_EQ(find("王", "明", true), QStringList{str("王明(85分)")});
    EXPECT_EQ(find("王", "丑", true), QStringList()) << "flagged characters are never offered";
}

TEST_F(PoemNames_, TwoCharacterNamesRepeatNoCharacterListBothOrdersAndRiseInScore)
{
    pattern(12, 4, 0, 8, 6, 80);
    pattern(12, 4, 0, 6, 8, 70);
    pattern(12, 4, 0, 8, 8, 90);
    pattern(12, 5, 0, 8, 6, 10);  // another surname's strokes
    EXPECT_EQ(find("王", "明月照华堂，明华。"), (QStringList{str("王华明(70分)"), str("王明华(80分)")}));
}

TEST_F(PoemNames_, ACompoundSurnameUsesKinds21And22AndBothOfItsStrokeCounts)
{
    pattern(22, 8, 6, 8, 6, 77);
    pattern(22, 8, 7, 8, 6, 11);  // second surname character of 7 strokes: not 欧阳
    pattern(12, 8, 0, 8, 6, 12);  // single-surname kind
    pattern(21, 8, 6, 6, 0, 66);
    pattern(11, 8, 0, 6, 0, 13);
    EXPECT_EQ(find("欧阳", "明华"), QStringList{str("欧阳明华(77分)")});
    EXPECT_EQ(find("欧阳", "明华", true), QStringList{str("欧阳华(66分)")});
}

TEST_F(PoemNames_, WithoutAPreferenceATwoCharacterNameNeedsOneCharacterForTheChildsSex)
{
    pattern(12, 4, 0, 8, 3, 50);
    pattern(12, 4, 0, 3, 8, 51);
    pattern(12, 4, 0, 10, 8, 60);
    pattern(12, 4, 0, 8, 10, 61);
    pattern(12, 4, 0, 10, 3, 62);
    pattern(12, 4, 0, 3, 5, 63);
    // 之 with 明 passes, 之 with 乎 (both unmarked) does not; 娟 suits girls only.
    EXPECT_EQ(find("王", "明之娟乎", false, "男"), (QStringList{str("王明之(50分)"), str("王之明(51分)")}));
    EXPECT_EQ(find("王", "明之娟乎", false, "女"),
              (QStringList{str("王明之(50分)"), str("王之明(51分)"), str("王娟明(60分)"), str("王明娟(61分)"),
                           str("王娟之(62分)")}));
}

TEST_F(PoemNames_, APreferenceAsksForBothElementsOrForTheOneInEitherPlace)
{
    pattern(12, 4, 0, 8, 6, 40);  // 明华 火水, 林华 木水
    pattern(12, 4, 0, 6, 8, 41);  // 华明 水火, 华林 水木
    pattern(12, 4, 0, 8, 8, 42);  // 明林 火木, 林明 木火
    pattern(11, 4, 0, 8, 0, 43);  // 明 火, 林 木
    EXPECT_EQ(find("王", "林明华", false, "男", "木", "水"), (QStringList{str("王林华(40分)"), str("王华林(41分)")}));
    EXPECT_EQ(find("王", "林明华", false, "男", "水", ""),
              (QStringList{str("王林华(40分)"), str("王明华(40分)"), str("王华林(41分)"), str("王华明(41分)")}));
    EXPECT_EQ(find("王", "林明华", true, "男", "火", "木"), (QStringList{str("王林(43分)"), str("王明(43分)")}));
    EXPECT_EQ(find("王", "林明华", true, "男", "火", ""), QStringList{str("王明(43分)")});
}

TEST(PoemNameSource, TheFirstLineWithBothCharactersElseALineForEach)
{
    const QString text = str("关关雎鸠，在河之洲。\n\n 窈窕淑女，君子好逑。\n君子之河。");
    const struct { const char* given; const char* source; } cases[] = {
        {"君子", "出处：窈窕淑女，君子好逑。"},
        {"河之", "出处：关关雎鸠，在河之洲。"},
        {"洲", "出处：关关雎鸠，在河之洲。"},
        {"淑关", "出处：窈窕淑女，君子好逑。 关关雎鸠，在河之洲。"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PoemNameSource(text, str(c.given)), str(c.source)) << c.given;
}

TEST(PoemNaming, TheTwoInputChecksComeInTheirOrder)
{
    PoemNamingInput in;
    in.surnameBox = " ";
    in.text = "";
    PoemNamingOutcome out = RunPoemNaming(in);
    EXPECT_EQ(out.end, PoemNamingEnd::Refused);
    EXPECT_EQ(out.message, str("姓不能为空!"));
    EXPECT_TRUE(out.focusSurname);

    in.surnameBox = str("王");
    in.text = " \n\t\n ";
    out = RunPoemNaming(in);
    EXPECT_EQ(out.end, PoemNamingEnd::Refused);
    EXPECT_EQ(out.message, str("没有选择诗词，请查看已选诗词!"));
    EXPECT_FALSE(out.focusSurname);
}

TEST(PoemNaming, ABirthDayThatDoesNotExistStopsTheStartWithTheDateMessage)
{
    FixtureDbs dbs;
    PoemNamingInput in{str("王"), str("明华"), false, true, {}, str("金")};
    in.birth.month = "2";
    in.birth.day = "30";
    const PoemNamingOutcome out = RunPoemNaming(in);
    EXPECT_EQ(out.end, PoemNamingEnd::Refused);
    EXPECT_EQ(out.message, str("请检查输入数据是否出错！"));
    EXPECT_EQ(out.missingElements, str("金")) << "the shared value stays as it was";
    in.birth.day = "x";
    EXPECT_EQ(RunPoemNaming(in).message, str("请检查输入数据是否出错！"));
}

TEST(PoemNaming, ALunarBirthIsConvertedBeforeTheChartIsCast)
{
    BuiltDbs dbs;
    const QDate solar = LunarToSolar(LunarDate{1980, 1, 1, false});
    PoemNamingInput lunar{str("王"), str("明华"), false, true, {}, {}};
    lunar.birth.calendarKind = str("农历");
    PoemNamingInput sameDay = lunar;
    sameDay.birth.calendarKind = str("公历");
    sameDay.birth.year = QString::number(solar.year());
    sameDay.birth.month = QString::number(solar.month());
    sameDay.birth.day = QString::number(solar.day());
    const PoemNamingOutcome a = RunPoemNaming(lunar), b = RunPoemNaming(sameDay);
    EXPECT_EQ(a.missingElements, b.missingElements);
    EXPECT_EQ(a.names.lines(), b.names.lines());
}

TEST(PoemNaming, NothingFoundIsNoName)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, str(kWords));
    const PoemNamingOutcome out = RunPoemNaming({str("王"), str("明华"), false, false, {}, {}});
    EXPECT_EQ(out.end, PoemNamingEnd::NoName);
    EXPECT_EQ(NoPoemNameMessage(), str("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！"));
}
