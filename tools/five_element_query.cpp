#include "five_element_query.h"

#include "data/query.h"
#include "data/text_file.h"

namespace {

constexpr int kMaxPairs = 5;

}  // namespace

QString characterElement(Query& velmora, const QString& character)
{
    velmora.open(QStringLiteral("select wuhang from word where zi = ? or ft = ?"), character, character);
    return velmora.field(0).asText();
}

QString textElements(Query& velmora, const QString& text)
{
    const auto bytes = encodeGb18030(text.trimmed());
    if (!bytes) return QString();
    QString elements;
    for (int pair = 0; pair < kMaxPairs && pair * 2 < bytes->size(); ++pair) {
        // A pair cut across two characters decodes to nothing or to text no row holds.
        const QString piece = decodeGb18030(bytes->mid(pair * 2, 2));
        if (!piece.isEmpty()) elements += characterElement(velmora, piece);
    }
    return elements;
}
