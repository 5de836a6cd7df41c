#include "report_sections.h"

#include "numerology/name_score.h"

namespace {

struct GridHeading {
    GridKind kind;
    const char16_t* opening;
    const char16_t* closing;
};

constexpr GridHeading kHeadings[] = {
    {GridKind::Tian, u"【天格", u"的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
    {GridKind::Ren, u"【人格", u"的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {GridKind::Di, u"【地格", u"的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
    {GridKind::Zong, u"【总格", u"的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
    {GridKind::Wai, u"【外格", u"的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
};

}  // namespace

QString missingNameInput(const QString& surname, const QString& givenName, const BirthInfo& birth)
{
    if (surname.trimmed().isEmpty()) return QStringLiteral("姓不能为空!");
    if (givenName.trimmed().isEmpty()) return QStringLiteral("名不能为空!");
    if (birth.year.trimmed().isEmpty()) return QStringLiteral("请选择出生年!");
    if (birth.month.trimmed().isEmpty()) return QStringLiteral("请选择出生月!");
    if (birth.day.trimmed().isEmpty()) return QStringLiteral("请选择出生日!");
    if (birth.hour.trimmed().isEmpty()) return QStringLiteral("请选择出生小时!");
    return {};
}

void appendGridReadings(QStringList& out, const FiveGrids& grids)
{
    out << kNameSeparator;
    for (const GridHeading& h : kHeadings) {
        const int n = grids.byKind(h.kind);
        out << QString::fromUtf16(h.opening) + QString::number(n) + QString::fromUtf16(h.closing);
        out << NumberText(n, NumberField::Reading) + NumberText(n, NumberField::LuckWord);
    }
}

void appendThreeTalentSection(QStringList& out, const QString& title)
{
    const auto reading = threeTalentReading(title);
    if (!reading) return;
    out << kNameSeparator
        << QStringLiteral("【三才数理分析】：您的姓名三才配置为：") + title +
               QStringLiteral("。它具有如下数理诱导力，据此会对人生产生一定的影响。")
        << reading->yy << QStringLiteral("【对基础运的影响】：") + reading->jcy + reading->jx1
        << QStringLiteral("【对成功运的影响】：") + reading->cgy + reading->jx2
        << QStringLiteral("【对人际关系的影响】：") + reading->rjgx + reading->jx3
        << QStringLiteral("【对性格的影响】：") + reading->xg;
}

void appendGridHints(QStringList& out, const FiveGrids& grids)
{
    out << kNameSeparator;
    for (const GridHeading& h : kHeadings) {
        const int n = grids.byKind(h.kind);
        out << QString::fromUtf16(h.opening) + QString::number(n) + QStringLiteral("数理暗示】：");
        out << NumberText(n, NumberField::Hint);
    }
}
