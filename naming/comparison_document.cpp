#include "comparison_document.h"

#include "calendar/birth_dates.h"
#include "numerology/name_score.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

constexpr int kResolutionDpi = 300;
constexpr double kBodyPoints = 7.5;

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

const char16_t* const kGridLabels[] = {u"天格", u"地格", u"人格", u"总格", u"外格"};  // by GridKind
constexpr GridKind kGridOrder[] = {GridKind::Tian, GridKind::Ren, GridKind::Di, GridKind::Zong, GridKind::Wai};  // as the reports print

}  // namespace

QStringList birthDetailLines(const std::optional<BirthInfo>& birth, const ComparisonTable& table)
{
    if (!birth) return {};
    const auto dates = readBirthDates(*birth);
    QString line = QStringLiteral("出生：");
    const QString time = hourNumberText(birth->hour) + QStringLiteral("点") + birth->minute.trimmed() + QStringLiteral("分");
    if (!dates || dates->lunarMissing) {
        line += birth->calendarKind + birth->year.trimmed() + QStringLiteral("年") + birth->month.trimmed() +
                QStringLiteral("月") + birth->day.trimmed() + QStringLiteral("日") + time;
    } else {
        line += QStringLiteral("公历") + dates->year + QStringLiteral("年") + dates->month + QStringLiteral("月") + dates->day +
                QStringLiteral("日") + time + QStringLiteral("（农历") + dates->lunarText + QStringLiteral("）");
    }
    line += QStringLiteral("，") + birth->sex.trimmed();
    QStringList lines{line};
    if (table.hasChart)
        lines << (table.missingElements.isEmpty() ? QStringLiteral("八字五行：五行俱全")
                                                  : QStringLiteral("八字五行：缺") + table.missingElements);
    return lines;
}

QStringList nameSummaryLines(const ComparisonRow& row)
{
    QStringList lines{row.surname + row.givenName + QStringLiteral("  综合评分：") + row.score + QStringLiteral("分")};
    for (GridKind kind : kGridOrder) {
        const int n = row.grids.byKind(kind);
        lines << QString::fromUtf16(kGridLabels[int(kind)]) + QString::number(n) + QStringLiteral("：") +
                     NumberText(n, NumberField::Reading).trimmed() + NumberText(n, NumberField::LuckWord).trimmed();
    }
    if (const auto reading = threeTalentReading(row.threeTalent))
        lines << QStringLiteral("三才") + row.threeTalent + QStringLiteral("：") + reading->yy;
    lines << QStringLiteral("音形义评分：%1分").arg(row.quality) +
                 (row.qualityNotes.isEmpty() ? QString() : QStringLiteral("。") + row.qualityNotes.join(u' '));
    if (!row.source.isEmpty()) lines << QStringLiteral("出处：") + row.source;
    return lines;
}

QString comparisonHtml(const ComparisonDocumentInput& in)
{
    // Tight margins keep a shortlist of a few names on one or two pages.
    QString html = QStringLiteral("<html><head><style>p { margin: 0; } h3 { margin: 0 0 4px 0; } "
                                  ".name { font-weight: bold; margin-top: 6px; }</style></head><body><h3>已选名字比较</h3>");
    for (const QString& line : birthDetailLines(in.birth, in.table)) html += QStringLiteral("<p>") + escaped(line) + QStringLiteral("</p>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
    for (int c = 0; c < kComparisonColumnCount; ++c)
        html += QStringLiteral("<th>") + escaped(comparisonHeader(ComparisonColumn(c))) + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const ComparisonRow& row : in.table.rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < kComparisonColumnCount; ++c)
            html += QStringLiteral("<td>") + escaped(comparisonCell(row, ComparisonColumn(c))) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    for (const ComparisonRow& row : in.table.rows) {
        const QStringList lines = nameSummaryLines(row);
        html += QStringLiteral("<p class=\"name\">") + escaped(lines.front()) + QStringLiteral("</p><p>");
        for (qsizetype i = 1; i < lines.size(); ++i) html += escaped(lines[i]) + QStringLiteral("<br/>");
        html += QStringLiteral("</p>");
    }
    return html + QStringLiteral("</body></html>");
}

void paintComparison(const ComparisonDocumentInput& in, QPagedPaintDevice& device)
{
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kBodyPoints);
    document.setDefaultFont(font);
    document.setHtml(comparisonHtml(in));
    document.print(&device);
}

Expected<Done, QString> writeComparisonPdf(const QString& path, const ComparisonDocumentInput& in)
{
    {
        QFile probe(path);  // QPdfWriter says nothing when it cannot write; find out first
        if (!probe.open(QIODevice::WriteOnly)) return unexpected(QStringLiteral("无法写入文件：") + path);
    }
    QPdfWriter writer(path);
    writer.setResolution(kResolutionDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("已选名字比较"));
    writer.setCreator(QStringLiteral("嘉名"));
    paintComparison(in, writer);
    return Done{};
}
