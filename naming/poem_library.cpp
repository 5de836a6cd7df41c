#include "poem_library.h"

#include "data/query.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {

// A LIKE pattern that finds text anywhere, with its own wildcards escaped by "\".
QString containsPattern(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}

const QString kMatches = QStringLiteral(
    "(d_dynasty like ?1 escape '\\' or d_author like ?1 escape '\\' or d_title like ?1 escape '\\' "
    "or d_nr like ?1 escape '\\')");

}  // namespace

QList<PoemDynasty> BuildPoemTree(const QString& filter)
{
    const bool all = filter.isEmpty();
    const QString pattern = containsPattern(filter);
    Query dynasties(Db::KelBirth), authors(Db::KelBirth);
    if (all)
        dynasties.open(QStringLiteral("select cd_num, d_dynasty from sg group by cd_num, d_dynasty order by cd_num"));
    else
        dynasties.open(QStringLiteral("select cd_num, d_dynasty from sg where ") + kMatches +
                           QStringLiteral(" group by cd_num, d_dynasty order by cd_num"),
                       pattern);
    QList<PoemDynasty> tree;
    for (; !dynasties.atEnd(); dynasties.next()) {
        PoemDynasty dynasty{dynasties.field(1).asText().trimmed(), {}};
        const int cd = dynasties.field(0).asText().trimmed().toInt();
        if (all)
            authors.open(QStringLiteral("select au_num, d_author from sg where cd_num = ?1 "
                                        "group by au_num, d_author order by au_num"),
                         cd);
        else
            authors.open(QStringLiteral("select au_num, d_author from sg where cd_num = ?2 and ") + kMatches +
                             QStringLiteral(" group by au_num, d_author order by au_num"),
                         pattern, cd);
        for (; !authors.atEnd(); authors.next())
            dynasty.authors.append({authors.field(0).asInt(), authors.field(1).asText().trimmed()});
        tree.append(dynasty);
    }
    return tree;
}

QList<PoemEntry> AuthorPoems(int authorNumber, const QString& filter)
{
    Query q(Db::KelBirth);
    if (filter.isEmpty())
        q.open(QStringLiteral("select d_num, d_title from sg where au_num = ?1 order by d_num"), authorNumber);
    else
        q.open(QStringLiteral("select d_num, d_title from sg where au_num = ?2 and ") + kMatches +
                   QStringLiteral(" order by d_num"),
               containsPattern(filter), authorNumber);
    QList<PoemEntry> poems;
    for (; !q.atEnd(); q.next()) poems.append({q.field(0).asInt(), q.field(1).asText().trimmed()});
    const QCollator collator{QLocale()};
    std::stable_sort(poems.begin(), poems.end(),
                     [&](const PoemEntry& a, const PoemEntry& b) { return collator.compare(a.title, b.title) < 0; });
    return poems;
}

QString PoemText(int poemNumber)
{
    Query q(Db::KelBirth);
    return q.scalarText(QStringLiteral("select d_nr from sg where d_num = ?1"), poemNumber);
}

QString AddPoemToSelection(const QString& selection, const QString& poem)
{
    const QString added = poem.trimmed();
    if (added.isEmpty()) return selection;
    // The box as lines: a final line break ends the last line, it starts no new one.
    QStringList lines;
    if (!selection.isEmpty()) lines = selection.split(u'\n');
    if (selection.endsWith(u'\n')) lines.removeLast();
    if (!selection.trimmed().isEmpty()) lines.append(QString());
    lines.append(added);
    return lines.join(u'\n');
}
