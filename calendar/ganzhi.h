// The fixed character tables of the Chinese calendar: the ten heavenly stems, the twelve earthly
// branches with their zodiac animals, and the numerals one to ten. Indices wrap, so any integer
// (negative ones too) names a table entry and no caller can read past an end.
#pragma once

#include <QString>

inline constexpr int kStemCount = 10;    // 甲 0 … 癸 9
inline constexpr int kBranchCount = 12;  // 子 0 … 亥 11

// n mod m in 0 … m − 1, also for negative n.
constexpr int wrapIndex(int n, int m) { return ((n % m) + m) % m; }

QString StemText(int stem);      // 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
QString BranchText(int branch);  // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
QString AnimalText(int branch);  // 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪
// 一 … 十 for 1 … 10; empty text for any other value.
QString NumeralText(int value);

// Index of a stem or branch character; −1 when the text is not one.
int StemIndex(const QString& ch);
int BranchIndex(const QString& ch);

// A stem-branch pair: the two characters, or by its sexagenary number (甲子 = 0).
QString PillarText(int stem, int branch);
QString SexagenaryText(int n);
// The sexagenary number of a stem-branch pair; −1 for a pair of unlike polarity (甲丑), which
// does not occur in the cycle.
int SexagenaryNumber(int stem, int branch);
