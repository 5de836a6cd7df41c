#include "constellation.h"

namespace {

struct SignRange {
    int from;  // month × 100 + day, inclusive
    int to;
    const char16_t* sign;
};

// Tested in this order; 摩羯座 spans the turn of the year and so has two ranges.
constexpr SignRange kSigns[] = {
    {1222, 1231, u"摩羯座"}, {101, 119, u"摩羯座"},   {120, 218, u"水瓶座"},
    {219, 320, u"双鱼座"},   {321, 420, u"白羊座"},   {421, 520, u"金牛座 "},
    {521, 621, u"双子座"},   {622, 722, u"巨蟹座"},   {723, 822, u"狮子座"},
    {823, 922, u"处女座"},   {923, 1022, u"天秤座"},  {1023, 1121, u"天蝎座"},
    {1122, 1221, u"射手座"},
};

}  // namespace

QString ConstellationOf(const QDate& date)
{
    if (!date.isValid()) return QString();
    const int key = date.month() * 100 + date.day();
    for (const SignRange& range : kSigns)
        if (key >= range.from && key <= range.to) return QString::fromUtf16(range.sign);
    return QString();
}
