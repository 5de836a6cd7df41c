// Text measured the way the program's limits are stated: in bytes of the GBK encoding, where a
// Chinese character takes two bytes and an ASCII character one.
#pragma once

#include <QString>

int gbkByteLength(const QString& text);

// The longest leading part of text that fits in maxBytes. A two-byte character that would be split
// by the limit is left out whole rather than cut in half.
QString gbkLeft(const QString& text, int maxBytes);
