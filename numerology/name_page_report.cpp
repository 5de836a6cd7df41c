#include "name_page_report.h"

#include "calendar/bazi_cast.h"
#include "calendar/bazi_reading.h"
#include "calendar/birth_dates.h"
#include "calendar/pillar_rules.h"
#include "data/char_dictionary.h"
#include "numerology/five_grids.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"
#include "numerology/quality_section.h"
#include "numerology/report_sections.h"

#include <QList>
#include <optional>

namespace {

const QString kNoticeBorder = u'<' + QString(81, u'=') + u'>';

QString charAt(const QString& text, int index)
{
    const QList<uint> chars = text.toUcs4();
    if (index >= chars.size()) return {};
    const char32_t cp = chars[index];
    return QString::fromUcs4(&cp, 1);
}

QString gridWithElement(const char16_t* label, int n)
{
    return QString::fromUtf16(label) + QString::number(n) + u'(' + NumberElement(n) + u')';
}

QString fiveGridLine(const FiveGrids& g)
{
    return QStringLiteral("五格：") + gridWithElement(u"天格", g.tian) + QStringLiteral("  ") + gridWithElement(u"人格", g.ren) +
           QStringLiteral("  ") + gridWithElement(u"地格", g.di) + QStringLiteral("  ") + gridWithElement(u"总格", g.zong) +
           QStringLiteral("  ") + gridWithElement(u"外格", g.wai);
}

QString talentWithElement(const char16_t* label, int grid)
{
    return QString::fromUtf16(label) + QString::number(grid % 10) + u'(' + NumberElement(grid) + u')';
}

QString threeTalentLine(const FiveGrids& g)
{
    return QStringLiteral("三才：") + talentWithElement(u"天才", g.tian) + QStringLiteral("  ") +
           talentWithElement(u"人才", g.ren) + QStringLiteral("  ") + talentWithElement(u"地才", g.di);
}

}  // namespace

QString readingLine(const QString& surname, const QString& givenName)
{
    QString line = QStringLiteral("拼音:");
    const QString chars[] = {charAt(surname, 0), charAt(surname, 1), charAt(givenName, 0), charAt(givenName, 1)};
    for (int i = 0; i < 4; ++i) {
        if (chars[i].isEmpty()) continue;
        line += chars[i] + u'(' + CharPinyin(chars[i]) + u')';
        if (i != 3) line += QStringLiteral("  ");
    }
    return line;
}

Report buildNamePageReport(const NamePageInput& in, const QDate& today)
{
    if (const QString missing = missingNameInput(in.surname, in.givenName, in.birth); !missing.isEmpty())
        return refusedReport(ReportEnd::Refused, missing);
    const auto dates = readBirthDates(in.birth);
    if (!dates) return refusedReport(ReportEnd::DateError, dates.error());
    bool ok = false;
    const int hour = hourNumberText(in.birth.hour).toInt(&ok);
    if (!ok || hour < 0 || hour > 23)
        return refusedReport(ReportEnd::DateError, QStringLiteral("'%1' 不是有效的时辰").arg(in.birth.hour.trimmed()));
    const int minute = in.birth.minute.trimmed().toInt(&ok);
    if (!ok || minute < 0 || minute > 59)
        return refusedReport(ReportEnd::DateError, QStringLiteral("'%1' 不是有效的整数").arg(in.birth.minute.trimmed()));

    const QString surname = in.surname.trimmed(), given = in.givenName.trimmed();
    return collectReport([&](QStringList& lines) {
        lines << kNoticeBorder << QStringLiteral("友情提示：")
              << QStringLiteral("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！") << kNoticeBorder
              << QStringLiteral("基本信息：");
        const QString birthTime = hourNumberText(in.birth.hour) + QStringLiteral("点") + in.birth.minute + QStringLiteral("分");
        if (dates->lunarMissing) {
            lines << QStringLiteral("年龄：?岁") << QStringLiteral("您出生公历：农历日期不存在，") + birthTime
                  << QStringLiteral("农历：") + in.birth.year.trimmed() + QStringLiteral("年") + in.birth.month.trimmed() +
                         QStringLiteral("月") + in.birth.day.trimmed() + QStringLiteral("日（此日不存在）");
        } else {
            lines << QStringLiteral("年龄：") + QString::number(today.year() - dates->solar.year()) + QStringLiteral("岁")
                  << QStringLiteral("您出生公历：") + dates->year + QStringLiteral("年") + dates->month + QStringLiteral("月") +
                         dates->day + QStringLiteral("日") + birthTime
                  << QStringLiteral("农历：") + dates->lunarText;
        }
        // With a birthplace the pillars are those of the true solar time there; a place that cannot
        // be used is said in the line of the place, and the reading lines stay empty.
        const auto place = BirthLongitudeOf(in.birth.place, in.birth.longitude);
        std::optional<BaziChart> chart;
        if (!place) lines << place.error();
        else if (!dates->lunarMissing && !IsImpossibleBirthDay(dates->solar.month(), dates->solar.day()))
            chart = CastBaziChart(ChartMomentAt(dates->solar, QTime(hour, minute), *place, in.birth.earlyZi()),
                                  SexOfText(in.birth.sex.trimmed()));
        if (chart && !TrueSolarTimeLine(chart->moment).isEmpty()) lines << TrueSolarTimeLine(chart->moment);
        lines << QStringLiteral("属相：") + dates->zodiac << QStringLiteral("星座：") + dates->constellation;

        if (chart) lines << BaziReadingLines(*chart);
        else lines << QStringLiteral("十神：") << QStringLiteral("八字：") << QStringLiteral("五行：") << QStringLiteral("纳音：")
                   << QStringLiteral("八字五行个数：");

        const FiveGrids grids = FiveGridsOf(surname, given);
        const QString title = ThreeTalentTitle(grids.tian, grids.ren, grids.di);
        const QString score = formatScore(NameScore(surname, given));
        lines << readingLine(surname, given) << fiveGridLine(grids) << threeTalentLine(grids) << QString()
              << surname + given + QStringLiteral("  综合评分： ") + score + QStringLiteral("分") << QString();
        appendGridReadings(lines, grids);
        appendThreeTalentSection(lines, title);
        appendGridHints(lines, grids);
        lines << kNameSeparator << QString() << QStringLiteral("【系统综合评分】: ") + score + QStringLiteral("分") << QString()
              << QStringLiteral("<-----------------------以上分析内容只作参考--------------------------->");
        lines << qualitySectionLines(surname, given, in.birth.sex);
    });
}
