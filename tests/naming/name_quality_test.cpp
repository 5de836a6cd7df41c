// The 音形义 judgement: ill-sounding readings, tones, written form, meaning, popular names and sex,
// on small fixtures that show each rule, and on the built tables for the rules that depend on them.
#include "naming/name_quality.h"
#include "naming/recommended_names.h"

#include "data/query.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Characters with the readings, sex marks and ranks the cases need. 乐 and 朱 are polyphonic; 丽 and
// 莉 are girls' characters; 蔡 is marked as a surname in the glosses below.
const char* const kWords =
    "insert into word (zi, bh, pinyin, nan, nv, xb, px, Aflag) values "
    "('王', 4, 'wáng、wàng', 1, 1, '1', 900, null), ('李', 7, 'lǐ', 1, 1, '1', 900, null),"
    "('杜', 7, 'dù、dǔ、tú', 1, 1, '1', 900, null), ('史', 5, 'shǐ', 1, 1, '1', 900, null),"
    "('范', 11, 'fàn', 1, 1, '1', 900, null), ('朱', 6, 'zhū、shū', 1, 1, '1', 900, null),"
    "('曾', 12, 'céng、zēng', 1, 1, '1', 900, null), ('子', 3, 'zǐ、zi', 1, 1, '1', 4, null),"
    "('腾', 20, 'téng', 1, 0, '男', 300, null), ('珍', 10, 'zhēn', 0, 1, '女', 100, null),"
    "('香', 9, 'xiāng', 0, 1, '女', 160, null), ('统', 12, 'tǒng', 0, 0, '0', 2200, '1'),"
    "('逸', 15, 'yì', 1, 1, '1', 64, null), ('群', 13, 'qún', 1, 1, '1', 500, null),"
    "('梓', 11, 'zǐ', 1, 1, '1', 1, null), ('轩', 10, 'xuān', 1, 0, '男', 3, null),"
    "('雅', 12, 'yǎ', 0, 1, '女', 50, null), ('亮', 9, 'liàng', 1, 0, '男', 200, null),"
    "('浩', 11, 'hào', 1, 0, '男', 9, null), ('然', 12, 'rán', 1, 1, '1', 40, null),"
    "('星', 9, 'xīng', 1, 1, '1', 120, null), ('辉', 15, 'huī', 1, 0, '男', 90, null),"
    "('丽', 19, 'lì、lí', 0, 1, '女', 84, null), ('莉', 13, 'lì、lí、chí', 0, 1, '女', 587, null),"
    "('想', 13, 'xiǎng', 1, 1, '1', 800, null), ('乐', 15, 'lè、yuè', 1, 1, '1', 146, null),"
    "('晶', 12, 'jīng', 1, 1, '1', 300, null), ('蔡', 17, 'cài', 1, 1, '1', 1900, null),"
    "('江', 7, 'jiāng', 1, 1, '1', 400, null), ('沐', 8, 'mù', 1, 1, '1', 60, null),"
    "('涛', 18, 'tāo', 1, 0, '男', 77, null), ('爔', 20, 'xī', 1, 0, '男', 1896, null);";

// Ill-sounding words in the list's format: word, toned pinyin with 5 for the neutral tone, kind.
const char* const kIllSounds =
    "insert into ill_sound (word, pinyin, kind) values "
    "('肚子疼', 'du4 zi5 teng2', '疾病'), ('屎真香', 'shi3 zhen1 xiang1', '排泄'), ('饭桶', 'fan4 tong3', '辱骂'),"
    "('猪一群', 'zhu1 yi1 qun2', '嘲弄'), ('月经', 'yue4 jing1', '身体'), ('书呆子', 'shu1 dai1 zi5', '嘲弄');";

const char* const kGlossesAndLevels =
    "insert into char_gloss (zi, gloss, meaning_class, mark) values "
    "('梓', '梓树，古人以桑梓指故乡', '自然', ''), ('轩', '高远轩昂，气度不凡', '志向', ''),"
    "('蔡', '周代诸侯国名，多作姓氏', '其他', '姓氏');"
    "insert into char_level (zi, level, common, strokes, radical) values "
    "('梓', 2, 1, 11, 75), ('轩', 1, 1, 7, 159), ('爔', 3, 0, 20, 86), ('王', 1, 1, 4, 96),"
    "('江', 1, 1, 6, 85), ('沐', 2, 1, 7, 85), ('涛', 1, 1, 10, 85);"
    "insert into popular_name (year, sex, rank, name) values (2020, '男', 5, '梓轩'), (null, '女', null, '雅亮');";

struct NameQuality : ::testing::Test {
    FixtureDbs dbs;
    NameQuality()
    {
        dbs.exec(Db::Velmora, str(kWords));
        dbs.exec(Db::Velmora, str(kIllSounds));
        dbs.exec(Db::Velmora, str(kGlossesAndLevels));
    }
    static QualityJudgement judge(const char* surname, const char* given, std::optional<ChildSex> sex = std::nullopt)
    {
        return QualityJudge::forName(str(surname), str(given), sex).judge(str(given));
    }
    static const QualityFinding& finding(const QualityJudgement& j, QualityCheck check)
    {
        return j.findings[int(check)];
    }
};

TEST_F(NameQuality, IllSoundingReadingsAreFoundAndGoodNamesLeftAlone)
{
    const struct { const char* surname; const char* given; const char* sentence; const char* why; } cases[] = {
        {"杜", "子腾", "杜子腾 音近 肚子疼，容易被人取笑。", "the list's neutral 子 matches the name's full tone"},
        {"史", "珍香", "史珍香 音同 屎真香，容易被人取笑。", "every tone agrees"},
        {"范", "统", "范统 音同 饭桶，容易被人取笑。", "two syllables across the surname and the given name"},
        {"李", "范统", "范统 音同 饭桶，容易被人取笑。", "two syllables inside the given name"},
        {"朱", "逸群", "朱逸群 音近 猪一群，容易被人取笑。", "three syllables match without their tones"},
        {"王", "乐晶", "乐晶 音同 月经，容易被人取笑。", "the second reading of 乐 counts too"},
        {"朱", "呆子", nullptr, "no such character: 呆 is not in the fixture, so nothing is read"},
        {"王", "梓轩", nullptr, "an ordinary good name"},
        {"李", "雅亮", nullptr, "an ordinary good name"},
        {"王", "浩然", nullptr, "an ordinary good name"},
        {"曾", "子", nullptr, "two syllables need their tones to agree: zeng zi is no word of the list"},
        {"杜", "子", nullptr, "a window must reach into the given name; 杜子 alone is two syllables off in tone"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = judge(c.surname, c.given);
        const QualityFinding& f = finding(j, QualityCheck::Homophone);
        if (c.sentence) {
            EXPECT_FALSE(f.passed) << c.why;
            EXPECT_EQ(f.sentence, str(c.sentence)) << c.why;
            EXPECT_TRUE(j.flags & kSoundsIll) << c.why;
        } else {
            EXPECT_TRUE(f.passed) << c.why << ": " << f.sentence.toStdString();
            EXPECT_FALSE(j.flags & kSoundsIll) << c.why;
        }
    }
}

TEST_F(NameQuality, TonesUseTheSurnamesOwnReadingAndWarnOnFlatOrRepeatedSounds)
{
    const struct { const char* surname; const char* given; bool passed; const char* has; const char* why; } cases[] = {
        {"曾", "星辉", false, "全名3个字都读阴平", "曾 is zēng as a surname, so all three are level 1"},
        {"王", "梓轩", true, "声调依次为阳平、上声、阴平，平仄相间", "a mix ending on a level tone"},
        {"王", "乐", true, "声调依次为阳平、去声", "乐 given is judged on its first reading lè"},
        {"李", "想", false, "末两字都是上声", "two third tones at the end"},
        {"李", "丽莉", false, "名字与姓同音", "李丽莉 repeats the surname's syllable"},
        {"李", "丽莉", false, "各字声母都是l", "and its initial"},
        {"李", "丽莉", false, "各字韵母都是i", "and its final"},
        {"杜", "子", true, "声调依次为去声、上声", "子 is zǐ, not the neutral zi"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = judge(c.surname, c.given);  // the finding lives inside it
        const QualityFinding& f = finding(j, QualityCheck::Tone);
        EXPECT_EQ(f.passed, c.passed) << c.why;
        EXPECT_TRUE(f.sentence.contains(str(c.has))) << c.why << ": " << f.sentence.toStdString();
    }
    EXPECT_EQ(judge("曾", "星辉").pinyinLine(), str("zēng xīng huī"));
}

TEST_F(NameQuality, FormMeaningPopularityAndSexEachNoteTheirFault)
{
    const struct { const char* surname; const char* given; ChildSex sex; QualityCheck check; unsigned flag; const char* has; } cases[] = {
        {"王", "爔", ChildSex::Boy, QualityCheck::Form, kRareCharacter, "「爔」是生僻字"},
        {"王", "呆", ChildSex::Boy, QualityCheck::Form, kRareCharacter, "「呆」不在字库之中"},
        {"王", "王轩", ChildSex::Boy, QualityCheck::Form, kUnsuitableCharacter, "名中又用了姓字「王」"},
        {"江", "沐涛", ChildSex::Boy, QualityCheck::Form, 0, "各字同属一个部首"},
        {"王", "爔", ChildSex::Boy, QualityCheck::Form, kRareCharacter, "「爔」有20画，孩子书写吃力"},
        {"王", "蔡", ChildSex::Girl, QualityCheck::Meaning, kUnsuitableCharacter, "「蔡」多作姓氏，不宜入名"},
        {"王", "梓轩", ChildSex::Boy, QualityCheck::Popularity, 0, "「梓轩」在2020年新生儿男孩名字中排第5位，重名多"},
        {"王", "雅亮", ChildSex::Girl, QualityCheck::Popularity, 0, "「雅亮」是近年最常见的女孩名字之一，重名多"},
        {"王", "丽", ChildSex::Boy, QualityCheck::Sex, 0, "「丽」多用于女孩名"},
        {"王", "浩", ChildSex::Girl, QualityCheck::Sex, 0, "「浩」多用于男孩名"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = judge(c.surname, c.given, c.sex);
        const QualityFinding& f = finding(j, c.check);
        EXPECT_FALSE(f.passed) << c.has;
        EXPECT_TRUE(f.sentence.contains(str(c.has))) << c.has << ": " << f.sentence.toStdString();
        EXPECT_EQ(j.flags, c.flag) << c.has;
    }
    // 梓轩 is listed for boys only: a girl of that name is not told of its rank.
    EXPECT_FALSE(finding(judge("王", "梓轩", ChildSex::Girl), QualityCheck::Popularity).sentence.contains(str("排第")));
}

TEST_F(NameQuality, EverydayWordsOutOfPlaceCharactersAndAGirlsAirAreNoted)
{
    // 天 mostly stands first and 藻 mostly second in given names; 擎 means strength; 方 suits either
    // sex and ends no popular girl's name; 一家 is an everyday word, 梓轩 one that is also a popular name.
    dbs.exec(Db::Velmora, str(
        "insert into word (zi, bh, pinyin, nan, nv, xb, px, Aflag) values "
        "('一', 1, 'yī、yí、yì', 1, 1, '1', 20, null), ('家', 10, 'jiā', 1, 1, '1', 92, null),"
        "('天', 4, 'tiān', 1, 1, '1', 60, null), ('藻', 19, 'zǎo', 1, 1, '1', 900, null),"
        "('妍', 7, 'yán', 0, 1, '女', 80, null), ('擎', 16, 'qíng', 1, 1, '男', 700, null),"
        "('方', 4, 'fāng、fáng', 1, 1, '1', 107, null);"
        "insert into everyday_word (word, frequency) values ('一家', 5441), ('梓轩', 100);"
        "insert into name_place (zi, first, second) values ('天', 152, 32), ('藻', 2, 15), ('妍', 1, 6);"
        "insert into char_gloss (zi, gloss, meaning_class, mark) values ('擎', '向上托举，刚劲有力', '勇武', '');"));
    const struct { const char* given; ChildSex sex; QualityCheck check; unsigned flag; const char* has; } cases[] = {
        {"一家", ChildSex::Girl, QualityCheck::Meaning, kEverydayWord, "名字“一家”是日常词语，用作名字显得平常"},
        {"藻妍", ChildSex::Girl, QualityCheck::Meaning, 0, "「藻」多作名字的末字，放在首位读来生硬"},
        {"妍天", ChildSex::Girl, QualityCheck::Meaning, 0, "「天」多作名字的首字，放在末位读来生硬"},
        {"妍擎", ChildSex::Girl, QualityCheck::Sex, 0, "「擎」字义刚武，少用于女孩名"},
        {"妍方", ChildSex::Girl, QualityCheck::Sex, 0, "「方」少作女孩名的末字"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = judge("李", c.given, c.sex);
        const QualityFinding& f = finding(j, c.check);
        EXPECT_FALSE(f.passed) << c.has;
        EXPECT_TRUE(f.sentence.contains(str(c.has))) << c.has << ": " << f.sentence.toStdString();
        EXPECT_EQ(j.flags, c.flag) << c.has;
    }
    // A popular name stays a name although it is a word too; 擎 is a boy's character, and a
    // character in the place it usually holds is no fault.
    EXPECT_FALSE(judge("王", "梓轩", ChildSex::Boy).flags & kEverydayWord);
    EXPECT_TRUE(finding(judge("李", "天妍", ChildSex::Girl), QualityCheck::Meaning).passed);
    EXPECT_TRUE(finding(judge("李", "天擎", ChildSex::Boy), QualityCheck::Sex).passed);
}

TEST_F(NameQuality, PolyphonicGivenNameCharactersTakeTheirNameReading)
{
    dbs.exec(Db::Velmora, str(
        "insert into word (zi, bh, pinyin, nan, nv, xb, px, Aflag) values "
        "('朝', 12, 'cháo、zhāo、zhū', 1, 1, '1', 700, null), ('阳', 6, 'yáng', 1, 1, '1', 100, null),"
        "('长', 4, 'zhǎng、cháng', 1, 1, '1', 350, null), ('青', 8, 'qīng、jīng', 1, 1, '1', 430, null),"
        "('有', 6, 'yǒu、yòu、wěi', 1, 1, '1', 236, null), ('为', 4, 'wèi、wéi', 1, 1, '1', 239, null);"));
    const struct { const char* given; const char* pinyin; const char* tones; const char* why; } cases[] = {
        {"朝阳", "lǐ zhāo yáng", "上声、阴平、阳平", "朝 in a name is the morning, zhāo"},
        {"长青", "lǐ cháng qīng", "上声、阳平、阴平", "长 in a name is long, cháng"},
        {"有为", "lǐ yǒu wéi", "上声、上声、阳平", "为 in 有为 is wéi"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = judge("李", c.given, ChildSex::Boy);
        EXPECT_EQ(j.pinyinLine(), str(c.pinyin)) << c.why;
        EXPECT_TRUE(finding(j, QualityCheck::Tone).sentence.contains(str(c.tones)))
            << c.why << ": " << finding(j, QualityCheck::Tone).sentence.toStdString();
    }
}

TEST_F(NameQuality, AGoodNameOutscoresFlawedOnesAndShowsItsGlosses)
{
    const QualityJudgement good = judge("王", "梓轩", ChildSex::Boy);
    EXPECT_EQ(good.flags, 0u);
    ASSERT_EQ(good.characters.size(), 3);
    EXPECT_EQ(good.characters[1].gloss, str("梓树，古人以桑梓指故乡"));
    EXPECT_EQ(good.characters[2].pinyin, str("xuān"));
    EXPECT_EQ(finding(good, QualityCheck::Meaning).sentence, str("「梓」取自然之义，「轩」取志向之义。"));
    for (const char* flawed : {"丽莉", "爔", "蔡"})
        EXPECT_GT(good.score, judge("王", flawed, ChildSex::Boy).score) << flawed;
    EXPECT_GT(good.score, judge("杜", "子腾", ChildSex::Boy).score);
    EXPECT_GE(good.score, 0);
    EXPECT_LE(good.score, 100);
}

TEST_F(NameQuality, TheRecommendedViewLeavesOutFlaggedRepeatedAndOverusedNames)
{
    const QualityJudge judge = QualityJudge::forSearch(str("王"), ChildSex::Boy);
    const QStringList lines = {str("王爔(90分)"),   str("王梓轩(80分)"), str("王乐晶(95分)"), str("王蔡(99分)"),
                               str("王梓轩(80分)"), str("王浩然(85分)"), str("王王轩(99分)"), str("王子轩(70分)"),
                               str("王梓然(75分)"), str("王浩轩(75分)"), str("王星轩(75分)")};
    const QList<RecommendedName> best = recommendNames(judge, candidatesFromLines(str("王"), lines), 10);
    QStringList given;
    for (const RecommendedName& r : best) {
        given << r.given;
        EXPECT_TRUE(judge.assess(r.given).recommendable()) << r.given.toStdString();
        EXPECT_FALSE(r.reason.isEmpty());
    }
    // 爔 rare, 乐晶 ill-sounding, 蔡 marked, 王轩 repeats the surname; 梓轩 once; 轩 in three names at most.
    EXPECT_EQ(given.count(str("梓轩")), 1);
    EXPECT_LE(given.filter(str("轩")).size(), kMaxNamesPerCharacter);
    for (const char* out : {"爔", "乐晶", "蔡", "王轩"}) EXPECT_FALSE(given.contains(str(out))) << out;
    for (int i = 1; i < best.size(); ++i)
        EXPECT_TRUE(best[i - 1].quality > best[i].quality ||
                    (best[i - 1].quality == best[i].quality && best[i - 1].numerology >= best[i].numerology))
            << "best first, ties by the numerology score";
}

TEST(NameQualityTables, CommonNameCharactersAreOrdinaryAndTheClassicCasesAreCaught)
{
    BuiltDbs dbs;
    for (const char* given : {"梓", "懿", "曦", "萱", "淼"}) {
        const QualityJudgement j = QualityJudge::forName(str("王"), str(given), std::nullopt).judge(str(given));
        EXPECT_FALSE(j.flags & kRareCharacter) << given << " is an ordinary name character";
    }
    EXPECT_TRUE(QualityJudge::forName(str("王"), str("爔"), std::nullopt).assess(str("爔")).flags & kRareCharacter);

    Query q(Db::Velmora);
    if (q.scalarInt("select count(*) from ill_sound") < 500) GTEST_SKIP() << "the ill-sounding word list is not in the build";
    const struct { const char* surname; const char* given; bool ill; } cases[] = {
        {"杜", "子腾", true}, {"史", "珍香", true}, {"范", "统", true}, {"朱", "逸群", true},
        {"王", "梓轩", false}, {"李", "雅琪", false}, {"张", "浩然", false}, {"刘", "思远", false}, {"陈", "欣怡", false},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = QualityJudge::forName(str(c.surname), str(c.given), std::nullopt).judge(str(c.given));
        EXPECT_EQ(bool(j.flags & kSoundsIll), c.ill) << c.surname << c.given << ": "
                                                     << j.findings[0].sentence.toStdString();
    }
}

TEST(NameQualityTables, NamesParentsChooseStayAndEverydayWordsAreFlagged)
{
    BuiltDbs dbs;
    Query q(Db::Velmora);
    if (q.scalarInt("select count(*) from everyday_word") < 1000) GTEST_SKIP() << "the everyday word list is not in the build";
    const struct { const char* surname; const char* given; ChildSex sex; bool everyday; const char* why; } cases[] = {
        {"李", "语文", ChildSex::Girl, true, "a school subject"},
        {"李", "一家", ChildSex::Girl, true, "one family"},
        {"李", "天然", ChildSex::Girl, true, "natural, as of a product"},
        {"王", "明天", ChildSex::Boy, true, "tomorrow"},
        {"陈", "美丽", ChildSex::Girl, true, "beautiful, a plain adjective"},
        {"张", "浩然", ChildSex::Boy, false, "a word and a classic name, kept by the hand list"},
        {"刘", "欣然", ChildSex::Girl, false, "a word and a popular girl's name"},
        {"李", "安然", ChildSex::Girl, false, "a word the source tags as a personal name"},
        {"王", "思远", ChildSex::Boy, false, "kept by the hand list"},
        {"陈", "晨曦", ChildSex::Girl, false, "a word and a good name"},
        {"欧阳", "一诺", ChildSex::Girl, false, "the most registered girl's name of recent years"},
        {"王", "梓轩", ChildSex::Boy, false, "not a word at all"},
        {"李", "子涵", ChildSex::Girl, false, "a popular girl's name"},
    };
    for (const auto& c : cases) {
        const QualityJudgement j = QualityJudge::forName(str(c.surname), str(c.given), c.sex).judge(str(c.given));
        EXPECT_EQ(bool(j.flags & kEverydayWord), c.everyday) << c.surname << c.given << ": " << c.why;
        if (c.everyday)
            EXPECT_TRUE(j.findings[int(QualityCheck::Meaning)].sentence.contains(str("是日常词语")));
        else
            EXPECT_EQ(j.flags, 0u) << c.surname << c.given << " stays recommendable: " << j.reason().toStdString();
    }
}

}  // namespace
