#include "calendar_month.h"

#include "calendar_annotations.h"

CalendarMonthView CalendarMonthOf(const QDate& date)
{
    CalendarMonthView view;
    if (!date.isValid()) return view;
    view.year = date.year();
    view.month = date.month();
    view.zodiac = ZodiacOfDate(date);
    view.selectedDay = date.day();
    view.sign = SignOfDay(date.day(), date);

    const QDate first(date.year(), date.month(), 1);
    const int leading = first.dayOfWeek() % 7;  // Sunday 0 … Saturday 6
    for (int d = 1; d <= DaysInMonth(date); ++d) {
        const QDate day(date.year(), date.month(), d);
        CalendarDayNote note{d, leading + d, CalendarDayText(day), DayNoteColour::Green};
        if (note.text == QStringLiteral("初一")) note = {d, note.pair, CalendarMonthText(day), DayNoteColour::Red};
        if (const QString s = SolarFestivalOf(d, day); !s.isEmpty()) note = {d, note.pair, s, DayNoteColour::Orange};
        if (const QString t = TermNameOf(day); !t.isEmpty()) note = {d, note.pair, t, DayNoteColour::Blue};
        if (const QString l = LunarFestivalOf(day); !l.isEmpty()) note = {d, note.pair, l, DayNoteColour::Orange};
        view.days.push_back(note);
    }
    return view;
}

QString DayNoteColourName(DayNoteColour colour)
{
    switch (colour) {
    case DayNoteColour::Green: return QStringLiteral("green");
    case DayNoteColour::Red: return QStringLiteral("red");
    case DayNoteColour::Orange: return QStringLiteral("orange");
    case DayNoteColour::Blue: return QStringLiteral("blue");
    }
    return QString();
}

QString WeekdayHeading(int dayOfWeek)
{
    static const QString kNames[] = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                                     QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                                     QStringLiteral("星期六")};
    return kNames[((dayOfWeek % 7) + 7) % 7];
}
