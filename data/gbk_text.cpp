#include "gbk_text.h"

#include <QList>

namespace {

int bytesOf(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : 2;
}

}  // namespace

int gbkByteLength(const QString& text)
{
    int bytes = 0;
    for (char32_t cp : text.toUcs4()) bytes += bytesOf(cp);
    return bytes;
}

QString gbkLeft(const QString& text, int maxBytes)
{
    QString out;
    int bytes = 0;
    for (char32_t cp : text.toUcs4()) {
        bytes += bytesOf(cp);
        if (bytes > maxBytes) break;
        out.append(QString::fromUcs4(&cp, 1));
    }
    return out;
}
