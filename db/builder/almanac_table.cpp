#include "almanac_table.h"

#include "calendar/almanac_day.h"

#include <QDate>
#include <stdexcept>

const std::vector<std::string>& almanacColumns()
{
    static const std::vector<std::string> columns = {"gn", "nn", "suici", "tszf", "wuhang", "cong",
                                                     "pzbj", "jsyq", "yi", "xsyq", "ji"};
    return columns;
}

std::vector<std::vector<Cell>> almanacRows(const std::filesystem::path& rulesDir)
{
    const auto rules = AlmanacRules::readFolder(QString::fromStdString(rulesDir.string()));
    if (!rules) throw std::runtime_error(rules.error().toStdString());
    AlmanacCalendar calendar(*rules);

    const QDate first(kAlmanacFirstYear, 1, 1), last(kAlmanacLastYear, 12, 31);
    std::vector<std::vector<Cell>> rows;
    rows.reserve(first.daysTo(last) + 1);
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const AlmanacEntry e = calendar.entryOf(d);
        rows.push_back({d.toString(Qt::ISODate).toStdString(), e.nn.toStdString(), e.suici.toStdString(),
                        e.tszf.toStdString(), e.wuhang.toStdString(), e.cong.toStdString(), e.pzbj.toStdString(),
                        e.jsyq.toStdString(), e.yi.toStdString(), e.xsyq.toStdString(), e.ji.toStdString()});
    }
    return rows;
}
