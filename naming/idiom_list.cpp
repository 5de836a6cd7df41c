#include "idiom_list.h"

#include <QFile>
#include <QSet>

const QStringList& idiomLines()
{
    static const QStringList lines = [] {
        QFile file(QStringLiteral(":/naming/idioms.txt"));
        if (!file.open(QIODevice::ReadOnly)) qFatal("the idiom list is missing from the program's resources");
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }();
    return lines;
}

QString idiomText(const QStringList& lines)
{
    return lines.join(u'\n');
}

QStringList distinctCharacters(const QString& text)
{
    QStringList characters;
    QSet<char32_t> seen;
    for (char32_t c : text.toUcs4()) {
        if (seen.contains(c)) continue;
        seen.insert(c);
        characters << QString::fromUcs4(&c, 1);
    }
    return characters;
}

QString idiomToolTip(const QString& givenName, const QStringList& lines)
{
    QStringList tip;
    for (const QString& zi : distinctCharacters(givenName)) {
        const QStringList idioms = idiomsContaining(zi, 3, lines);
        if (!idioms.isEmpty()) tip << zi + u'：' + idioms.join(u'、');
    }
    return tip.join(u'\n');
}

QStringList idiomsContaining(const QString& zi, int most, const QStringList& lines)
{
    QStringList found;
    if (zi.isEmpty()) return found;
    for (const QString& idiom : lines) {
        if (found.size() >= most) break;
        if (idiom.contains(zi)) found << idiom;
    }
    return found;
}
