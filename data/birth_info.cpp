#include "birth_info.h"

QStringList hourItems()
{
    static const char16_t kBranches[] = u"子丑寅卯辰巳午未申酉戌亥";
    QStringList items;
    for (int h = 0; h < 24; ++h) items << QString(QChar(kBranches[((h + 1) / 2) % 12])) + u' ' + QString::number(h);
    return items;
}

int hourNumberOf(const QString& hourItem)
{
    const QString trimmed = hourItem.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    bool ok = false;
    const int hour = trimmed.mid(blank + 1).trimmed().toInt(&ok);
    return ok ? hour : -1;
}

QStringList yearItems(int first, int last)
{
    return numberItems(first, last);
}

QStringList numberItems(int first, int last, bool twoDigits)
{
    QStringList items;
    for (int n = first; n <= last; ++n) items << (twoDigits ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n));
    return items;
}

QStringList ZiHourItems() { return {QStringLiteral("晚子时（日柱不换）"), QStringLiteral("早子时（23点换日）")}; }
