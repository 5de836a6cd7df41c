#include "solar_term_names.h"

#include "ganzhi.h"

#include <QStringList>

namespace {

constexpr const char16_t* kNames[kSolarTermCount] = {
    u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨", u"立夏", u"小满", u"芒种", u"夏至",
    u"小暑", u"大暑", u"立秋", u"处暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至",
};

}  // namespace

QString SolarTermName(int index)
{
    if (index < 0 || index >= kSolarTermCount) return QString();
    return QString::fromUtf16(kNames[index]);
}

int SolarTermIndex(const QString& name)
{
    for (int i = 0; i < kSolarTermCount; ++i)
        if (name == QString::fromUtf16(kNames[i])) return i;
    return -1;
}

bool IsJieTerm(const QString& name)
{
    const int index = SolarTermIndex(name);
    return index >= 0 && index % 2 == 0;
}

QStringList JieTermNames()
{
    QStringList names;
    for (int i = 2; i < kSolarTermCount; i += 2) names << SolarTermName(i);
    names << SolarTermName(0);
    return names;
}

int MonthBranchOpenedBy(const QString& jieName)
{
    if (!IsJieTerm(jieName)) return -1;
    // 小寒 (term 0) opens 丑 (1); every 节 after it opens the next branch.
    return wrapIndex(SolarTermIndex(jieName) / 2 + 1, kBranchCount);
}
