#include "date_text.h"

#include <QStringList>

QString dateText(const QDate& date)
{
    if (!date.isValid()) return QStringLiteral("0001-01-01");
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

Expected<QDate, QString> parseDateText(const QString& text)
{
    const QString bad = QStringLiteral("'%1' 不是有效的日期").arg(text);
    const QStringList parts = text.trimmed().split(u'-');
    if (parts.size() != 3) return unexpected(bad);
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || parts[i].trimmed().startsWith(u'+')) return unexpected(bad);
    }
    const QDate date(values[0], values[1], values[2]);
    if (!date.isValid() || values[0] < 1) return unexpected(bad);
    return date;
}

Expected<QDate, QString> parseDateParts(const QString& year, const QString& month, const QString& day)
{
    return parseDateText(year.trimmed() + u'-' + month.trimmed() + u'-' + day.trimmed());
}
