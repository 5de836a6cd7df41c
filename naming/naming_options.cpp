#include "naming_options.h"

#include "data/gbk_text.h"

#include <QList>

Surname splitSurname(const QString& surnameBox)
{
    const QString text = surnameBox.trimmed();
    if (text.size() == 1 && gbkByteLength(text) == 2) return {text, QString(), false};
    const QList<uint> chars = text.toUcs4();
    auto charAt = [&](int i) {
        if (i >= chars.size()) return QString();
        const char32_t cp = chars[i];
        return QString::fromUcs4(&cp, 1);
    };
    return {charAt(0), charAt(1), true};
}

int combinationKind(const Surname& surname, NameLength length)
{
    return (surname.compound ? 20 : 10) + (length == NameLength::Single ? 1 : 2);
}
