// The ten gods (十神) by rule: what a stem is to the day stem, from their five elements (甲乙 木,
// 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水) and their yin and yang (odd stems are yin). The database's
// Shishen table is built from this; the reports read the table.
#pragma once

#include <QString>

// The element character of a stem: 木 火 土 金 水.
QString StemElement(int stem);

// Same element: 比肩 (same polarity) or 劫财; produced by the day stem: 食神 or 伤官; overcome by
// it: 偏财 or 正财; overcoming it: 七杀 or 正官; producing it: 偏印 or 正印.
QString TenGodByRule(int dayStem, int stem);
