// A birth moment as entered on a birth-input row, and the fixed items those rows offer.
#pragma once

#include <QString>
#include <QStringList>

struct BirthInfo {
    QString sex = QStringLiteral("男");            // "男" or "女"
    QString calendarKind = QStringLiteral("公历");  // "公历" solar, "农历" lunar
    QString year = QStringLiteral("1980"), month = QStringLiteral("1"), day = QStringLiteral("1");
    QString hour = QStringLiteral("子 0");          // one of hourItems(), or typed text
    QString minute = QStringLiteral("0");
    // Where the birth took place (a name or a label of the place list) and its longitude as typed;
    // with both empty the clock time is cast as entered, else on the true solar time there.
    QString place, longitude;
    QString ziHour = QStringLiteral("晚子时（日柱不换）");  // one of ZiHourItems()
    bool isLunar() const { return calendarKind == QStringLiteral("农历"); }
    // 23:00 … 23:59 already opens the next day's pillar (早子时) rather than only its 子 hour.
    bool earlyZi() const { return ziHour == QStringLiteral("早子时（23点换日）"); }
};

// The two schools of the 子 hour: "晚子时（日柱不换）" (the default) and "早子时（23点换日）".
QStringList ZiHourItems();

// "子 0", "丑 1", "丑 2", "寅 3" … "亥 22", "子 23": the branch of the double hour, a blank, the hour.
QStringList hourItems();

// The number after the blank of an hour item ("巳 10" gives 10); -1 when there is none.
int hourNumberOf(const QString& hourItem);

// "1900" … "2100" for the year boxes of the main window's pages: the whole range of the calendar, so
// that a child born this year or next can be entered.
QStringList yearItems(int first = 1900, int last = 2100);
QStringList numberItems(int first, int last, bool twoDigits = false);
