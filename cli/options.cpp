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
    return b;
}
