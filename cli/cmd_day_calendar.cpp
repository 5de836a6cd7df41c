// calendar-day, calendar and almanac: the calendar window and the almanac window without a display.
#include "cli/cmd_day_calendar.h"

#include "calendar/almanac_lookup.h"
#include "calendar/calendar_annotations.h"
#include "calendar/calendar_month.h"
#include "calendar/calendar_year_info.h"
#include "cli/options.h"
#include "data/date_text.h"
#include "data/db_error.h"

#include <QDate>

int runCalendarDay(const QStringList& args, CliStreams io)
{
    const char* synopsis = "calendar-day FROM [TO]";
    if (args.size() != 1 && args.size() != 2) return usage(io, synopsis);
    const auto from = parseDateText(args[0]);
    if (!from) return usage(io, synopsis, from.error());
    const auto to = args.size() == 2 ? parseDateText(args[1]) : from;
    if (!to) return usage(io, synopsis, to.error());
    if (*to < *from) return usage(io, synopsis, QStringLiteral("TO comes before FROM"));
    // The window's own tables know only these years; outside them every annotation would be blank.
    if (from->year() < kCalendarFirstYear || to->year() > kCalendarLastYear)
        return usage(io, synopsis, QStringLiteral("the calendar shows the years %1 … %2").arg(kCalendarFirstYear).arg(kCalendarLastYear));
    for (QDate d = *from; d <= *to; d = d.addDays(1)) {
        const QStringList fields = {dateText(d), QString::number(CalendarLunarCode(d)), CalendarMonthText(d),
                                    CalendarDayText(d), LunarFestivalOf(d), SolarFestivalOf(d.day(), d),
                                    TermNameOf(d), ZodiacOfDate(d), SignOfDay(d.day(), d)};
        io.out << fields.join(u'\t') << '\n';
    }
    return kExitOk;
}

int runCalendarMonth(const QStringList& args, CliStreams io)
{
    const char* synopsis = "calendar YYYY-MM";
    if (args.size() != 1) return usage(io, synopsis);
    const QStringList parts = args[0].trimmed().split(u'-');
    bool yearOk = false, monthOk = false;
    const int year = parts.size() == 2 ? parts[0].toInt(&yearOk) : 0;
    const int month = parts.size() == 2 ? parts[1].toInt(&monthOk) : 0;
    if (!yearOk || !monthOk || month < 1 || month > 12) return usage(io, synopsis, QStringLiteral("'%1' is no month").arg(args[0]));
    if (year < kCalendarFirstYear || year > kCalendarLastYear)
        return usage(io, synopsis, QStringLiteral("the calendar shows the years %1 … %2").arg(kCalendarFirstYear).arg(kCalendarLastYear));

    const CalendarMonthView view = CalendarMonthOf(QDate(year, month, 1));
    io.out << view.year << '\t' << view.month << '\t' << view.zodiac << '\n';
    for (const CalendarDayNote& note : view.days) {
        const QDate d(year, month, note.day);
        io.out << dateText(d) << '\t' << WeekdayHeading(d.dayOfWeek()) << '\t' << note.text << '\t'
               << DayNoteColourName(note.colour) << '\n';
    }
    return kExitOk;
}

int runAlmanac(const QStringList& args, CliStreams io)
{
    const char* synopsis = "almanac YYYY-MM-DD";
    if (args.size() != 1) return usage(io, synopsis);
    const QStringList parts = args[0].trimmed().split(u'-');
    if (parts.size() != 3) return usage(io, synopsis);
    const auto request = CheckAlmanacDate(parts[0], parts[1], parts[2]);
    if (!request) {
        io.err << request.error() << '\n';
        return kExitUsage;
    }
    try {
        const auto page = LookupAlmanac(*request);
        if (!page) {
            io.err << QStringLiteral("黄历中没有%1这一天").arg(request->text) << '\n';
            return kExitUsage;
        }
        io.out << page->label << '\n';
        for (const QString& line : page->lines) io.out << line << '\n';
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}
