#include "preferred_elements.h"

#include "data/char_dictionary.h"

PreferredElements narrowPreferredElements(const QString& missing, const Surname& surname)
{
    QString remaining = missing;
    for (const QString& ch : {surname.first, surname.second}) {
        if (ch.isEmpty()) continue;
        if (const QString element = CharElement(ch).trimmed(); !element.isEmpty()) remaining.remove(element);
    }
    remaining = remaining.trimmed();

    PreferredElements out{remaining, {}, {}};
    if (remaining.size() >= 1) out.first = remaining.left(1);
    if (remaining.size() >= 2) out.second = remaining.mid(1, 1);
    return out;
}
