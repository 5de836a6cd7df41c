#include "poem_names.h"

#include "data/char_dictionary.h"
#include "data/query.h"

#include <QHash>
#include <algorithm>

namespace {

// Which dictionary characters suit the child, by name form and sex. Characters marked for either sex
// ("1") always do; those whose sex is not judged ("0") are let into one-character names, and into
// two-character names for girls. Such rows carry an Aflag in the dictionary, so they rarely count.
QString sexClause(bool oneCharacter, bool boy)
{
    if (oneCharacter)
        return boy ? QStringLiteral("(xb = '男' or nan = 1 or xb = '0' or xb = '1')")
                   : QStringLiteral("(xb = '女' or nv = 1 or xb = '0' or xb = '1')");
    return boy ? QStringLiteral("(xb = '男' or nan = 1 or xb = '1')")
               : QStringLiteral("(xb = '女' or nv = 1 or xb = '1' or xb = '0')");
}

struct Candidate {
    QString zi, element;
    int mark;      // nan for a boy, nv for a girl
    int strokes;
    qsizetype at;  // where the character first occurs in the text
};

std::vector<Candidate> candidatesOf(const PoemNameRequest& r)
{
    QHash<QString, qsizetype> firstAt;
    const QStringList chars = textCharacters(r.text);
    for (qsizetype i = 0; i < chars.size(); ++i) firstAt.insert(chars[i], firstAt.value(chars[i], i));

    const bool boy = r.sex == QStringLiteral("男");
    Query q(Db::Velmora);
    q.open(QStringLiteral("select zi, wuhang, nan, nv, bh from word where Aflag is null and ") +
           sexClause(r.oneCharacter, boy));
    std::vector<Candidate> found;
    for (; !q.atEnd(); q.next()) {
        const QString zi = q.field(0).asText();
        const auto at = firstAt.constFind(zi);
        if (zi.isEmpty() || at == firstAt.constEnd()) continue;
        found.push_back({zi, q.field(1).asText(), q.field(boy ? 2 : 3).asInt(), q.field(4).asInt(), *at});
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.at < b.at; });
    return found;
}

struct Pattern {
    int first, second, score;  // bh21, bh22, zf
};

// The rows of zh for the surname's strokes and the name form.
std::vector<Pattern> patternsOf(const PoemNameRequest& r, const QStringList& surname)
{
    const bool compound = surname.size() > 1;
    const int kind = (compound ? 20 : 10) + (r.oneCharacter ? 1 : 2);
    Query q(Db::Velmora);
    const int n = CharStrokes(surname.value(0));
    if (compound)
        q.open(QStringLiteral("select bh21, bh22, zf from zh where lx = ?1 and bh11 = ?2 and bh12 = ?3"), kind, n,
               CharStrokes(surname.value(1)));
    else
        q.open(QStringLiteral("select bh21, bh22, zf from zh where lx = ?1 and bh11 = ?2"), kind, n);
    std::vector<Pattern> patterns;
    for (; !q.atEnd(); q.next()) patterns.push_back({q.field(0).asInt(), q.field(1).asInt(), q.field(2).asInt()});
    return patterns;
}

}  // namespace

QStringList textCharacters(const QString& text)
{
    QStringList chars;
    chars.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        chars.append(text.mid(i, n));
        i += n - 1;
    }
    return chars;
}

ElementPreference PreferredElements(const QString& missing, const QString& surnameElement1,
                                    const QString& surnameElement2)
{
    ElementPreference p{missing, {}, {}};
    for (const QString& element : {surnameElement1.trimmed(), surnameElement2.trimmed()})
        if (!element.isEmpty()) p.missing.remove(element);
    p.missing = p.missing.trimmed();
    const QStringList elements = textCharacters(p.missing);
    p.first = elements.value(0);
    p.second = elements.value(1);
    return p;
}

QString PoemNames::givenName(int i) const
{
    const Row& row = rows_[size_t(i)];
    return row.second < 0 ? characters_[row.first] : characters_[row.first] + characters_[row.second];
}

QString PoemNames::line(int i) const
{
    return surname_ + givenName(i) + u'(' + QString::number(score(i)) + QStringLiteral("分)");
}

QStringList PoemNames::lines() const
{
    // Hundreds of thousands of lines: each is written into one allocation, with the score texts
    // made once.
    QHash<int, QString> scoreTexts;
    QStringList all;
    all.reserve(size());
    for (const Row& row : rows_) {
        auto text = scoreTexts.constFind(row.score);
        if (text == scoreTexts.constEnd())
            text = scoreTexts.insert(row.score, u'(' + QString::number(row.score) + QStringLiteral("分)"));
        const QString& first = characters_[row.first];
        const QString* second = row.second < 0 ? nullptr : &characters_[row.second];
        QString line;
        line.reserve(surname_.size() + first.size() + (second ? second->size() : 0) + text->size());
        line += surname_;
        line += first;
        if (second) line += *second;
        line += *text;
        all.append(std::move(line));
    }
    return all;
}

PoemNames FindPoemNames(const PoemNameRequest& r)
{
    PoemNames names;
    names.surname_ = r.surname;
    const QStringList surname = textCharacters(r.surname);
    if (surname.isEmpty()) return names;
    const std::vector<Candidate> candidates = candidatesOf(r);
    const std::vector<Pattern> patterns = patternsOf(r, surname);
    for (const Candidate& c : candidates) names.characters_.append(c.zi);

    // The candidates by stroke count, each list in text order.
    QHash<int, std::vector<int>> byStrokes;
    for (int i = 0; i < int(candidates.size()); ++i) byStrokes[candidates[size_t(i)].strokes].push_back(i);

    const bool preferred = !r.first.isEmpty();
    const auto keepOne = [&](const Candidate& a) {
        return !preferred || a.element == r.first || (!r.second.isEmpty() && a.element == r.second);
    };
    const auto keepTwo = [&](const Candidate& a, const Candidate& b) {
        if (!preferred) return a.mark + b.mark > 0;  // at least one character marked for the child's sex
        if (r.second.isEmpty()) return a.element == r.first || b.element == r.first;
        return (a.element == r.first && b.element == r.second) || (a.element == r.second && b.element == r.first);
    };

    for (const Pattern& p : patterns) {
        const auto firsts = byStrokes.constFind(p.first);
        if (firsts == byStrokes.constEnd()) continue;
        if (r.oneCharacter) {
            for (int a : *firsts)
                if (keepOne(candidates[size_t(a)])) names.rows_.push_back({a, -1, p.score});
            continue;
        }
        const auto seconds = byStrokes.constFind(p.second);
        if (seconds == byStrokes.constEnd()) continue;
        for (int a : *firsts)
            for (int b : *seconds)
                if (candidates[size_t(a)].zi != candidates[size_t(b)].zi &&
                    keepTwo(candidates[size_t(a)], candidates[size_t(b)]))
                    names.rows_.push_back({a, b, p.score});
    }
    std::sort(names.rows_.begin(), names.rows_.end(), [](const PoemNames::Row& x, const PoemNames::Row& y) {
        return std::tie(x.score, x.first, x.second) < std::tie(y.score, y.first, y.second);
    });
    return names;
}

QString PoemNameSource(const QString& text, const QString& givenName)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines.append(trimmed);
    }
    const QStringList chars = textCharacters(givenName);
    if (chars.isEmpty()) return QString();
    const auto holdsAll = [&](const QString& line) {
        return std::all_of(chars.begin(), chars.end(), [&](const QString& c) { return line.contains(c); });
    };
    for (const QString& line : lines)
        if (holdsAll(line)) return QStringLiteral("出处：") + line;
    QStringList each;
    for (const QString& c : chars)
        for (const QString& line : lines)
            if (line.contains(c)) {
                each.append(line);
                break;
            }
    return each.isEmpty() ? QString() : QStringLiteral("出处：") + each.join(u' ');
}
