#include "beijing_time.h"

namespace {

constexpr int kBeijingOffsetSeconds = 8 * 3600;
constexpr auto kMomentFormat = "yyyy-MM-dd HH:mm:ss";

}  // namespace

QTimeZone BeijingTimeZone() { return QTimeZone(kBeijingOffsetSeconds); }

QDateTime BeijingMoment(const QDate& date, const QTime& time) { return QDateTime(date, time, BeijingTimeZone()); }

QString MomentText(const QDateTime& moment)
{
    return moment.toTimeZone(BeijingTimeZone()).toString(QString::fromLatin1(kMomentFormat));
}

QDateTime MomentFromText(const QString& text)
{
    const QDateTime naive = QDateTime::fromString(text.trimmed(), QString::fromLatin1(kMomentFormat));
    if (!naive.isValid()) return {};
    return BeijingMoment(naive.date(), naive.time());
}
