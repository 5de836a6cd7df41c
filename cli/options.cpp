#include "cli/options.h"

Expected<QMap<QString, QString>, QString> parseOptions(const QStringList& args, const QStringList& allowed)
{
    QMap<QString, QString> values;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--")) || arg.size() == 2)
            return unexpected(QStringLiteral("unexpected argument: %1").arg(arg));
        QString name = arg.mid(2), value;
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (!allowed.contains(name)) return unexpected(QStringLiteral("unknown option: --%1").arg(name));
        if (values.contains(name)) return unexpected(QStringLiteral("option given twice: --%1").arg(name));
        if (equals < 0) {
            // A following option name means this one's value was left out, not that it is "--x".
            if (i + 1 >= args.size() || args[i + 1].startsWith(QStringLiteral("--")))
                return unexpected(QStringLiteral("option --%1 needs a value").arg(name));
            value = args[++i];
        }
        values.insert(name, value);
    }
    return values;
}

int usage(CliStreams io, const char* synopsis, const QString& fault)
{
    if (!fault.isEmpty()) io.err << fault << '\n';
    io.err << "usage: jiaming-cli " << QString::fromUtf8(synopsis) << '\n';
    return kExitUsage;
}

std::optional<int> integer(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

BirthInfo birthFromOptions(const QMap<QString, QString>& o)
{
    BirthInfo b;
    b.sex = o.value("sex", b.sex);
    b.calendarKind = o.value("calendar", b.calendarKind);
    b.year = o.value("year", b.year);
    b.month = o.value("month", b.month);
    b.day = o.value("day", b.day);
    b.hour = o.value("hour", b.hour);
    b.minute = o.value("minute", b.minute);
    b.place = o.value("place");
    b.longitude = o.value("longitude");
    if (o.value("zi").trimmed() == QStringLiteral("early")) b.ziHour = ZiHourItems().at(1);
    return b;
}

QString rangeFault(const QString& name, const QString& text, int first, int last)
{
    const auto n = integer(text);
    if (n && *n >= first && *n <= last) return {};
    return QStringLiteral("%1 must be %2 … %3").arg(name).arg(first).arg(last);
}

QString birthOptionsFault(const QMap<QString, QString>& o)
{
    if (o.contains("sex") && o.value("sex").trimmed() != QStringLiteral("男") && o.value("sex").trimmed() != QStringLiteral("女"))
        return QStringLiteral("--sex must be 男 or 女");
    if (o.contains("calendar") && o.value("calendar") != QStringLiteral("公历") && o.value("calendar") != QStringLiteral("农历"))
        return QStringLiteral("--calendar must be 公历 or 农历");
    if (o.contains("zi") && o.value("zi").trimmed() != QStringLiteral("late") && o.value("zi").trimmed() != QStringLiteral("early"))
        return QStringLiteral("--zi must be late or early");
    struct Box {
        const char* name;
        int first, last;
    };
    static const Box boxes[] = {
        {"year", kFirstTableYear, kLastTableYear}, {"month", 1, 12}, {"day", 1, 31}, {"minute", 0, 59}};
    for (const Box& box : boxes) {
        const QString text = o.value(box.name);
        if (!o.contains(box.name) || !integer(text)) continue;
        if (QString fault = rangeFault(QStringLiteral("--") + box.name, text, box.first, box.last); !fault.isEmpty())
            return fault;
    }
    // The hour is an item of the hour box ("午 12") or its bare number.
    const QString hour = o.value("hour").trimmed();
    const QString hourNumber = hour.mid(hour.indexOf(u' ') + 1);
    if (integer(hourNumber)) return rangeFault(QStringLiteral("--hour"), hourNumber, 0, 23);
    return {};
}
