// The 24 solar terms, numbered as the almanac lists them within a calendar year: 0 小寒, 1 大寒,
// 2 立春, … 5 春分, … 23 冬至. Even numbers are the twelve month-opening terms (节), odd numbers
// the mid-month terms (中气).
#pragma once

#include <QString>

inline constexpr int kSolarTermCount = 24;

// The name of term 0 … 23; empty text for any other number.
QString SolarTermName(int index);
// The number of a term name; −1 when the text is none.
int SolarTermIndex(const QString& name);

// Whether the name is one of the twelve 节 (立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪 小寒).
bool IsJieTerm(const QString& name);

// The twelve 节 in the order 立春 … 大雪, 小寒: the order in which they open the months 寅 … 子, 丑.
QStringList JieTermNames();

// The earthly branch of the month that a 节 opens (立春 寅 2, … 大雪 子 0, 小寒 丑 1); −1 for any other name.
int MonthBranchOpenedBy(const QString& jieName);
