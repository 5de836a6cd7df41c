// The birthplace list of the built Tgcode.dll: search by name and pinyin, and what a typed name means.
#include "calendar/birth_place.h"

#include "data/query.h"
#include "tests/support/fixture_db.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(BirthPlaces, SearchByNamePinyinOrInitialsFindsUrumqiFirst)
{
    BuiltDbs dbs;
    for (const char* typed : {"乌鲁", "wlmq", "WLMQ", "wulumuqi", "乌鲁木齐市"}) {
        const QList<BirthPlace> found = SearchBirthPlaces(str(typed));
        ASSERT_FALSE(found.isEmpty()) << typed;
        EXPECT_EQ(found.first().name, str("乌鲁木齐市")) << typed;
        EXPECT_NEAR(found.first().longitude, 87.62, 0.05) << typed;
        EXPECT_NEAR(found.first().latitude, 43.8, 0.05) << typed;
    }
}

TEST(BirthPlaces, TheListCoversPrefecturesCountiesAndTheSpecialRegions)
{
    BuiltDbs dbs;
    Query q(Db::Tgcode);
    EXPECT_GE(q.scalarInt(QStringLiteral("select count(*) from places")), 3000);
    EXPECT_GE(q.scalarInt(QStringLiteral("select count(*) from places where substr(code, 5, 2) <> '00'")), 2800);
    // Every seat lies on Chinese ground or its seas: 73°E … 135°E, 3°N … 54°N.
    EXPECT_EQ(q.scalarInt(QStringLiteral("select count(*) from places where longitude not between 73 and 135.1"
                                         " or latitude not between 3 and 54")),
              0);
    for (const char* name : {"北京市", "哈尔滨市", "香港特别行政区", "澳门特别行政区", "台北市", "喀什地区", "琼海市"})
        EXPECT_TRUE(FindBirthPlace(str(name))) << name;
}

TEST(BirthPlaces, ANameMeansThePrefectureFirstAndALabelMeansExactlyThatPlace)
{
    BuiltDbs dbs;
    // 朝阳 is a prefecture in Liaoning and a district of Beijing and of Changchun.
    const auto prefecture = FindBirthPlace(str("朝阳市"));
    ASSERT_TRUE(prefecture);
    EXPECT_EQ(prefecture->code, QStringLiteral("211300"));
    const auto district = FindBirthPlace(str("朝阳区"));
    ASSERT_TRUE(district);
    EXPECT_EQ(district->label(), str("朝阳区（北京市）"));
    const auto changchun = FindBirthPlace(str("朝阳区（吉林省 长春市）"));
    ASSERT_TRUE(changchun);
    EXPECT_EQ(changchun->code.left(4), QStringLiteral("2201"));
    EXPECT_FALSE(FindBirthPlace(str("朝阳区（火星）")));
    EXPECT_FALSE(FindBirthPlace(QString()));
    EXPECT_FALSE(FindBirthPlace(str("不存在的地方")));
}

TEST(BirthPlaces, WildcardsAreTakenLiterallyAndAMissingFileFindsNothing)
{
    {
        BuiltDbs dbs;
        EXPECT_TRUE(SearchBirthPlaces(QStringLiteral("%")).isEmpty());
        EXPECT_TRUE(SearchBirthPlaces(QStringLiteral("_")).isEmpty());
    }
    FixtureDbs fixture;
    fixture.remove(Db::Tgcode);
    EXPECT_TRUE(SearchBirthPlaces(str("乌鲁")).isEmpty());
    EXPECT_FALSE(FindBirthPlace(str("乌鲁木齐市")));
}

}  // namespace
