#include "calendar/missing_elements.h"
#include "naming/comparison_document.h"
#include "naming/name_comparison.h"
#include "numerology/name_page_report.h"
#include "numerology/name_report.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Failure messages name the row in Chinese.
static std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}

namespace {

const QDate kToday(2026, 12, 10);

BirthInfo birthOf(const char* sex, const char* year, const char* month, const char* day, const char* hour)
{
    BirthInfo b;
    b.sex = sex;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    return b;
}

const std::vector<ShortlistName> kNames = {
    {"王", "明华", "", ""}, {"王", "梓轩", "", ""}, {"欧阳", "子涵", "", ""}, {"李", "关雎", "关关雎鸠, 在河之洲。", ""}};

// The text after a label in the report's first line that starts with it.
QString after(const QStringList& report, const QString& label)
{
    for (const QString& line : report)
        if (line.startsWith(label)) return line.mid(label.size());
    return {};
}

QString cell(const ComparisonRow& row, ComparisonColumn c)
{
    return comparisonCell(row, c);
}

}  // namespace

TEST(NameComparison, EveryColumnAgreesWithTheReportsOfTheSameName)
{
    BuiltDbs dbs;
    const BirthInfo birth = birthOf("男", "2024", "5", "1", "午 12");
    const auto missing = ComputeMissingElements(birth);
    ASSERT_TRUE(missing.hasValue());
    const ComparisonTable table = compareNames(kNames, *missing, ChildSex::Boy);
    ASSERT_EQ(table.rows.size(), kNames.size());

    const struct { ComparisonColumn column; const char* label; } grids[] = {
        {ComparisonColumn::TianGe, "【天格"}, {ComparisonColumn::RenGe, "【人格"}, {ComparisonColumn::DiGe, "【地格"},
        {ComparisonColumn::ZongGe, "【总格"}, {ComparisonColumn::WaiGe, "【外格"}};
    for (size_t i = 0; i < kNames.size(); ++i) {
        const ComparisonRow& row = table.rows[i];
        const Report report = buildNameReport({kNames[i].surname, kNames[i].givenName, birth}, kToday);
        ASSERT_TRUE(report.complete()) << kNames[i].fullName();
        const QString who = kNames[i].fullName();

        EXPECT_EQ(cell(row, ComparisonColumn::Name), who);
        EXPECT_EQ(cell(row, ComparisonColumn::Score) + "分", after(report.lines, "综合评分: ")) << who;
        for (const auto& g : grids) {
            // 【天格5的解析】… then the reading, which ends in its luck word: （大吉）
            const qsizetype at = report.lines.indexOf(QRegularExpression("^" + QString(g.label) + "\\d+的解析】.*"));
            ASSERT_GE(at, 0) << who << g.label;
            const QString number = report.lines[at].mid(3).section(u'的', 0, 0);
            const QStringList parts = cell(row, g.column).split(u' ');
            ASSERT_EQ(parts.size(), 2) << who << g.label;
            EXPECT_EQ(parts[0], number) << who << g.label;
            EXPECT_TRUE(report.lines[at + 1].endsWith("（" + parts[1] + "）")) << who << g.label << report.lines[at + 1];
        }
        EXPECT_EQ("您的姓名三才配置为：" + cell(row, ComparisonColumn::ThreeTalent) + "。",
                  after(report.lines, "【三才数理分析】：").section(u'。', 0, 0) + "。")
            << who;

        // The page report's 拼音 line: 欧(ōu)  阳(yáng)  子(zǐ)  涵(hán)
        const QStringList pinyin = cell(row, ComparisonColumn::Pinyin).split(u' ');
        const QString readings = readingLine(kNames[i].surname, kNames[i].givenName);
        ASSERT_EQ(pinyin.size(), qsizetype(row.characters.size())) << who;
        for (size_t k = 0; k < row.characters.size(); ++k)
            EXPECT_TRUE(readings.contains(row.characters[k].character + "(" + pinyin[qsizetype(k)] + ")"))
                << who << readings;
        EXPECT_EQ(cell(row, ComparisonColumn::Source), kNames[i].source);

        // 【音形义分析】: the score, and each check to be noted with its sentence.
        EXPECT_EQ(cell(row, ComparisonColumn::Quality) + "分", after(report.lines, "音形义评分：")) << who;
        QStringList noted;
        for (const QString& line : report.lines)
            if (line.contains("（注意）：")) noted << line.section("（注意）：", 1);
        EXPECT_EQ(row.qualityNotes, noted) << who;
        EXPECT_EQ(cell(row, ComparisonColumn::QualityNotes), noted.isEmpty() ? "无" : noted.join(' ')) << who;
    }
}

TEST(NameComparison, SortKeysOrderScoresAndGridsAsNumbers)
{
    BuiltDbs dbs;
    const ComparisonTable table = compareNames({{"王", "子涵", "", ""}, {"王", "明华", "", ""}}, std::nullopt);
    ASSERT_EQ(table.rows.size(), 2u);
    const ComparisonRow &zihan = table.rows[0], &minghua = table.rows[1];
    // 人格 7 against 12: as text "12" sorts first, as numbers 7 does.
    ASSERT_EQ(zihan.grids.ren, 7);
    ASSERT_EQ(minghua.grids.ren, 12);
    EXPECT_LT(comparisonSortKey(zihan, ComparisonColumn::RenGe).toInt(), comparisonSortKey(minghua, ComparisonColumn::RenGe).toInt());
    EXPECT_EQ(comparisonSortKey(zihan, ComparisonColumn::Score).typeId(), QMetaType::Double);
    EXPECT_TRUE(cell(zihan, ComparisonColumn::Supplies).isEmpty()) << "no chart, no verdict";
    EXPECT_EQ(comparisonSortKey(zihan, ComparisonColumn::Quality).typeId(), QMetaType::Int);
    // Each character with its element and strokes; given-name characters with their gloss too.
    const QStringList chars = cell(zihan, ComparisonColumn::Characters).split("；");
    ASSERT_EQ(chars.size(), 3);
    EXPECT_TRUE(chars[0].startsWith("王 土 4画")) << chars[0];
    EXPECT_TRUE(chars[1].startsWith("子 水 3画 ") && chars[1].size() > 8) << chars[1];
    EXPECT_TRUE(chars[2].startsWith("涵 水 12画 ") && chars[2].size() > 9) << chars[2];
}

TEST(NameComparison, TonesComeFromTheToneMarks)
{
    const struct { const char* syllable; int tone; } cases[] = {
        {"xuān", 1}, {"wáng", 2}, {"lǐ", 3}, {"liàng", 4}, {"lǜ", 4}, {"ma", 0}, {"a\u0301", 2} /* decomposed mark */};
    for (const auto& c : cases) EXPECT_EQ(toneOfSyllable(QString::fromUtf8(c.syllable)), c.tone) << c.syllable;
}

TEST(NameComparison, TheVerdictSaysWhichLackingElementsTheGivenNameSupplies)
{
    const struct { const char* missing; const char* given; const char* verdict; } cases[] = {
        {"", "水水", "不缺"},
        {"木水", "水木", "补足木水"},
        {"木水", "水火", "补水，仍缺木"},
        {"金", "水土", "未补（缺金）"},
        {"金木", "", "未补（缺金木）"},  // characters the dictionary has no element for
    };
    for (const auto& c : cases)
        EXPECT_EQ(suppliesVerdict(QString::fromUtf8(c.missing), QString::fromUtf8(c.given)), QString::fromUtf8(c.verdict))
            << c.missing << " / " << c.given;
}

TEST(NameComparison, TheCsvIsUtf8WithAByteOrderMarkAHeaderAndOneQuotedLinePerName)
{
    BuiltDbs dbs;
    const ComparisonTable table = compareNames(kNames, QString("金"));
    const QByteArray csv = comparisonCsv(table);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(csv.mid(3));
    ASSERT_FALSE(utf8.hasError());
    QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.takeLast(), "") << "every line ends in CR LF";
    ASSERT_EQ(lines.size(), qsizetype(kNames.size()) + 1);
    EXPECT_EQ(lines[0], "姓名,拼音,声调,综合评分,天格,人格,地格,总格,外格,三才,音形义评分,音形义提示,用字,补缺,出处");
    EXPECT_TRUE(lines[1].startsWith("王明华,wáng míng huá,2 2 2," + table.rows[0].score + ",")) << lines[1];
    EXPECT_TRUE(lines[4].endsWith(",\"关关雎鸠, 在河之洲。\"")) << "a comma in a cell is quoted: " << lines[4];
}

TEST(ComparisonDocument, ThePdfHoldsTheBirthDetailsAndOneTableRowPerName)
{
    const QString extractor = QStandardPaths::findExecutable("pdftotext");
    if (extractor.isEmpty()) GTEST_SKIP() << "pdftotext (Debian poppler-utils) is not installed";
    BuiltDbs dbs;
    const BirthInfo birth = birthOf("女", "2024", "5", "1", "午 12");
    const ComparisonTable table = compareNames(kNames, *ComputeMissingElements(birth));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("比较.pdf");
    ASSERT_TRUE(writeComparisonPdf(pdf, {table, birth}).hasValue());

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    QProcess run;
    run.start(extractor, {"-layout", pdf, "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(run.readAllStandardOutput());

    EXPECT_LE(text.count(u'\f'), 2) << "one or two pages";
    EXPECT_TRUE(text.contains("出生：公历2024年05月01日12点0分")) << text;
    for (const ComparisonRow& row : table.rows) {
        const QString name = row.surname + row.givenName;
        // The table row: the name, its first syllable and its score on one line (long cells wrap).
        const QRegularExpression tableRow("^\\s*" + name + "\\s+" + row.characters.front().pinyin + "\\s.*\\s" +
                                              row.score + "\\s",
                                          QRegularExpression::MultilineOption);
        EXPECT_EQ(text.count(tableRow), 1) << name << "\n" << text;
        EXPECT_TRUE(text.contains(name + " 综合评分：" + row.score + "分")) << "its report: " << name;
    }
}
