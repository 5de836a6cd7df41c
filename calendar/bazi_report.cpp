#include "bazi_report.h"

#include "bazi_cast.h"
#include "bazi_lookup.h"
#include "bazi_reading.h"
#include "birth_dates.h"
#include "bone_weight.h"
#include "element_strength.h"
#include "ganzhi.h"
#include "luck_cycle.h"
#include "lunar_text.h"
#include "pillar_rules.h"

#include <QStringList>

namespace {

const QString kNoticeBorder = u'<' + QString(81, u'=') + u'>';
const QString kChartSeparator = QStringLiteral("<-----------------------批八字内容分隔线----------------------------->");
const QString kGap = QStringLiteral("   ");
const QString kLabelBlanks = QString(6, u' ');
// A missing first cell in a grid row: its label, the cell and the gap after it.
const QString kMissingCellBlanks = QString(13, u' ');

constexpr int kLuckSteps = 9;  // the columns of the grids after the first: a + r + 10k, k = 0 … 8

QString missingInput(const BirthInfo& b)
{
    if (b.year.trimmed().isEmpty()) return QStringLiteral("请选择出生年!");
    if (b.month.trimmed().isEmpty()) return QStringLiteral("请选择出生月!");
    if (b.day.trimmed().isEmpty()) return QStringLiteral("请选择出生日!");
    if (b.hour.trimmed().isEmpty()) return QStringLiteral("请选择出生小时!");
    return {};
}

QString notANumber(const QString& text)
{
    return QStringLiteral("'%1' 不是有效的整数").arg(text);
}

QString missingLunarDateMessage(const BirthInfo& b)
{
    const int year = b.year.trimmed().toInt();
    if (year < 1901 || year > 2099) return QStringLiteral("农历日期只能在1901年至2099年之间，请检查输入！");
    return QStringLiteral("农历%1年%2月%3日不存在，请检查输入！").arg(b.year.trimmed(), b.month.trimmed(), b.day.trimmed());
}

// Any year's stem-branch pair; the same as YearGanzhi where that has one (from 1864 on).
QString yearPillarText(int year) { return SexagenaryText(year - 4); }

// The year the yearly grid counts from: the lunar year, or without one the year of the year pillar
// (the solar year, or the one before when the birth comes before the pillar year turns).
int gridStartYear(const BirthDates& dates, const BaziChart& chart)
{
    if (dates.lunarYear != 0) return dates.lunarYear;
    const int solarYear = dates.solar.year();
    return chart.yearPillar == Pillar::ofNumber(solarYear - 4) ? solarYear : solarYear - 1;
}

// A hidden stem and its ten god for the day stem: 癸正官.
QString hiddenStemEntry(const BaziChart& c, const HiddenStems& hidden, int which)
{
    const QString stem = hidden.stemText(which);
    return stem + TenGodOf(c.dayPillar.stemText(), stem);
}

QString hiddenFirstLine(const BaziChart& c)
{
    QStringList entries;
    for (const HiddenStems& hidden : {c.HiddenYear, c.HiddenMonth, c.HiddenDay, c.HiddenHour})
        entries << hiddenStemEntry(c, hidden, 0);
    return QStringLiteral("遁藏：") + entries.join(u' ');
}

// The second or third hidden stems; a position without one keeps its width in blanks.
QString hiddenLaterLine(const BaziChart& c, int which)
{
    QString line = kLabelBlanks;
    for (const HiddenStems& hidden : {c.HiddenYear, c.HiddenMonth, c.HiddenDay, c.HiddenHour}) {
        if (hidden.count() > which) {
            line += hiddenStemEntry(c, hidden, which) + u' ';
        } else {
            line += QString(7, u' ');
        }
    }
    return line;
}

QString luckAgeLine(int a)
{
    if (a == 1) return QStringLiteral("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    QString line = QStringLiteral("      1-%1岁").arg(a - 1);
    for (int k = 0; k < kLuckSteps; ++k) line += kGap + QString::number(a + 10 * k) + u'岁';
    return line;
}

QString startYearsLine(const QString& yearText, int a)
{
    const int y = yearText.toInt();
    QStringList years{yearText};
    for (int k = 0; k < kLuckSteps; ++k) years << QString::number(y + a + 10 * k);
    return QStringLiteral("始于：") + years.join(kGap);
}

// The n values of grid row r: r itself while the row is before the start age, then a + r + 10k.
QList<int> gridSteps(int r, int a)
{
    QList<int> steps;
    if (r < a) steps << r;
    for (int k = 0; k < kLuckSteps; ++k) steps << a + r + 10 * k;
    return steps;
}

QString gridLabel(int r, int a, const QString& firstLabel)
{
    if (r >= a) return kMissingCellBlanks;
    return r == 0 ? firstLabel : kLabelBlanks;
}

void appendYearlyGrid(QStringList& lines, int startYear, int a)
{
    for (int r = 0; r < 10; ++r) {
        QStringList cells;
        for (int n : gridSteps(r, a)) cells << yearPillarText(startYear + n);
        lines << gridLabel(r, a, QStringLiteral("流年：")) + cells.join(kGap);
    }
}

void appendMinorLuckGrid(QStringList& lines, const BaziChart& c, int a)
{
    const int direction = c.Backward ? -1 : 1;
    for (int r = 0; r < 10; ++r) {
        QStringList pillars, ages;
        for (int n : gridSteps(r, a)) {
            pillars << c.hourPillar.next(direction * n).text();
            ages << QStringLiteral("%1岁").arg(n, 2, 10, QLatin1Char('0'));
        }
        lines << gridLabel(r, a, QStringLiteral("小运：")) + pillars.join(kGap);
        lines << (r >= a ? kMissingCellBlanks : kLabelBlanks) + ages.join(kGap);
    }
}

void appendBoneWeight(QStringList& lines, const BirthDates& dates, const BaziChart& c, const QString& hourText)
{
    if (dates.lunarYear == 0) return;
    // Before the 节 of its own day the birth still belongs to the previous month.
    int month = dates.lunarMonth;
    if (c.BornBeforeJie) month = month == 1 ? 12 : month - 1;
    for (int part = 0; part < 3; ++part)
        if (const auto line = BoneWeightLine(QString::number(dates.lunarYear), QString::number(month),
                                             QString::number(dates.lunarDay), hourText, part))
            lines << *line;
}

}  // namespace

Report buildBaziReport(const BaziReportInput& in, const QDate& today)
{
    const BirthInfo& birth = in.birth;
    if (const QString missing = missingInput(birth); !missing.isEmpty()) return refusedReport(ReportEnd::Refused, missing);
    const auto dates = readBirthDates(birth);
    if (!dates) return refusedReport(ReportEnd::DateError, dates.error());
    // The lunar conversion takes a month or day below 1 as a count back from the month's start.
    const bool lunarBelowOne = birth.isLunar() && (birth.month.trimmed().toInt() < 1 || birth.day.trimmed().toInt() < 1);
    if (dates->lunarMissing || lunarBelowOne) return refusedReport(ReportEnd::DateError, missingLunarDateMessage(birth));

    const QString hourText = hourNumberText(birth.hour);
    bool ok = false;
    const int hour = hourText.toInt(&ok);
    if (!ok) return refusedReport(ReportEnd::DateError, notANumber(hourText));
    const int minute = birth.minute.trimmed().toInt(&ok);
    if (!ok) return refusedReport(ReportEnd::DateError, notANumber(birth.minute.trimmed()));
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return refusedReport(ReportEnd::DateError, BaziInputMessage());

    const QDate& solar = dates->solar;
    if (IsImpossibleBirthDay(solar.month(), solar.day())) return refusedReport(ReportEnd::DateError, BaziInputMessage());
    const auto place = BirthLongitudeOf(birth.place, birth.longitude);
    if (!place) return refusedReport(ReportEnd::Refused, place.error());
    const BaziChart c = CastBaziChart(ChartMomentAt(solar, QTime(hour, minute), *place, birth.earlyZi()),
                                      SexOfText(birth.sex.trimmed()));
    const int a = c.StartAge;

    Report report = collectReport([&](QStringList& lines) {
        lines << kNoticeBorder << QStringLiteral("友情提示：")
              << QStringLiteral("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！") << kNoticeBorder;
        lines << QStringLiteral("姓名：") + in.surname.trimmed() + in.givenName.trimmed()
              << QStringLiteral("年龄：%1岁").arg(today.year() - solar.year())
              << QStringLiteral("您出生公历：") + dates->year + u'年' + dates->month + u'月' + dates->day + u'日' + hourText +
                     u'点' + birth.minute + u'分'
              ;
        if (const QString solarTime = TrueSolarTimeLine(c.moment); !solarTime.isEmpty()) lines << solarTime;
        lines << QStringLiteral("农历：") + dates->lunarText << QStringLiteral("属相：") + dates->zodiac
              << QStringLiteral("星座：") + dates->constellation << kChartSeparator;

        const QString conception = c.Conception.text();
        lines << QStringLiteral("胎元：") + conception + u'(' + NayinOf(conception) + u')'
              << QStringLiteral("起运：") + QString::number(a) + u'岁' << TenGodsLine(c) << EightCharactersLine(c)
              << hiddenFirstLine(c) << hiddenLaterLine(c, 1) << hiddenLaterLine(c, 2) << FiveElementsLine(c)
              << NayinLine(c) << LuckNayinText(c) << LuckGodsText(c) << QStringLiteral("大运：") + LuckPillarsTextOf(c.LuckPillars)
              << luckAgeLine(a) << startYearsLine(dates->year, a) << QString();
        appendYearlyGrid(lines, gridStartYear(*dates, c), a);
        lines << QString();
        appendMinorLuckGrid(lines, c, a);
        lines << ElementCountLine(c) << ElementStrengthLines(ElementStrengthOf(c), c.dayPillar.stem())
              << kChartSeparator << QStringLiteral("古法称骨算命：");
        appendBoneWeight(lines, *dates, c, hourText);
        lines << kChartSeparator << QString()
              << QStringLiteral("<-----------------------以上内容只作参考----------------------------->");
    });
    // The page builds the report out of sight and shows it only when it is whole.
    if (!report.complete()) report.lines.clear();
    return report;
}
