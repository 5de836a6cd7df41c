// The nayin (纳音) of the sixty stem-branch pairs: each two consecutive pairs share one of thirty
// names (甲子 乙丑 海中金, 丙寅 丁卯 炉中火, …), whose last character is its element. The database's
// jiazi table is built from this; the reports read the table.
#pragma once

#include <QString>

// The nayin of sexagenary number n (甲子 = 0); n wraps.
QString NayinName(int n);
// Its element character: the last character of the name.
QString NayinElement(int n);
