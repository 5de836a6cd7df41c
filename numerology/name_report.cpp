#include "name_report.h"

#include "calendar/birth_dates.h"
#include "numerology/five_grids.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"
#include "numerology/quality_section.h"
#include "numerology/report_sections.h"

namespace {

const QString kNoticeBorder = u'<' + QString(81, u'-') + u'>';

}  // namespace

Report buildNameReport(const NameReportInput& in, const QDate& today)
{
    if (const QString missing = missingNameInput(in.surname, in.givenName, in.birth); !missing.isEmpty())
        return refusedReport(ReportEnd::Refused, missing);
    const auto dates = readBirthDates(in.birth);
    if (!dates) return refusedReport(ReportEnd::DateError, dates.error());

    const QString surname = in.surname.trimmed(), given = in.givenName.trimmed();
    return collectReport([&](QStringList& lines) {
        lines << kNoticeBorder << QStringLiteral("友情提示：")
              << QStringLiteral("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！") << kNoticeBorder;
        const QString birthTime = hourNumberText(in.birth.hour) + QStringLiteral("点") + in.birth.minute + QStringLiteral("分");
        if (dates->lunarMissing) {
            // An entered lunar day that does not exist: say so instead of printing a made-up date.
            lines << surname + given + QStringLiteral(",您今年:?岁")
                  << QStringLiteral("您出生公历: 农历日期不存在，") + birthTime
                  << QStringLiteral("农历:") + in.birth.year.trimmed() + QStringLiteral("年") + in.birth.month.trimmed() +
                         QStringLiteral("月") + in.birth.day.trimmed() + QStringLiteral("日（此日不存在）");
        } else {
            lines << surname + given + QStringLiteral(",您今年:") + QString::number(today.year() - dates->solar.year()) +
                         QStringLiteral("岁")
                  << QStringLiteral("您出生公历: ") + dates->year + QStringLiteral("年") + dates->month + QStringLiteral("月") +
                         dates->day + QStringLiteral("日") + birthTime
                  << QStringLiteral("农历:") + dates->lunarText;
        }
        lines << QStringLiteral("生肖:") + dates->zodiac << QStringLiteral("星座:") + dates->constellation;

        const QString score = formatScore(NameScore(surname, given));
        lines << QStringLiteral("综合评分: ") + score + QStringLiteral("分");
        const FiveGrids grids = FiveGridsOf(surname, given);
        appendGridReadings(lines, grids);
        appendThreeTalentSection(lines, ThreeTalentTitle(grids.tian, grids.ren, grids.di));
        appendGridHints(lines, grids);
        lines << kNameSeparator << QStringLiteral("【系统综合评分】: ") + score + QStringLiteral("分") << QString()
              << QStringLiteral("<-----------------------以上分析内容只作参考----------------------------->");
        lines << qualitySectionLines(surname, given, in.birth.sex);
    });
}

QString proposedReportFileName(const QString& name)
{
    static const QString kForbidden = QStringLiteral("*/<>?\\|");
    for (QChar c : name)
        if (kForbidden.contains(c)) return QStringLiteral("*.txt");
    return name;
}
