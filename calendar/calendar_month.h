// One month as the calendar window draws it: which of its 37 label pairs each day takes, and what
// the lower (lunar) label of each day shows in which colour.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

inline constexpr int kCalendarPairCount = 37;  // six possible leading blanks + 31 days

// The lower label's colour names the kind of its text.
enum class DayNoteColour {
    Green,   // the lunar day (RGB 0, 64, 0)
    Red,     // the lunar month's name on its first day (RGB 255, 0, 0)
    Orange,  // a festival (RGB 255, 128, 0)
    Blue,    // a solar term (RGB 83, 83, 255)
};

struct CalendarDayNote {
    int day = 0;
    int pair = 0;  // 1 … 37: column (pair − 1) mod 7 from Sunday, row (pair − 1) div 7
    QString text;
    DayNoteColour colour = DayNoteColour::Green;
};

struct CalendarMonthView {
    int year = 0;
    int month = 0;
    QString zodiac;  // of the drawn date
    QString sign;    // of its day
    int selectedDay = 0;
    std::vector<CalendarDayNote> days;
};

// The month of the date, with that date's day selected. Each later rule overrides the one before:
// the lunar day (or on 初一 the month's name), a solar festival, a solar term, a lunar festival.
CalendarMonthView CalendarMonthOf(const QDate& date);

// "green", "red", "orange", "blue".
QString DayNoteColourName(DayNoteColour colour);
// 星期日 … 星期六 for Qt's 7 (Sunday), 1 … 6.
QString WeekdayHeading(int dayOfWeek);
