#include "nicknames.h"

#include "calendar/missing_elements.h"
#include "data/char_dictionary.h"
#include "tools/reference/reference_texts.h"

namespace {

struct PatternShape {
    NicknamePattern pattern;
    const char16_t* name;
    const char16_t* prefix;  // empty when the character is doubled
    const char16_t* suffix;
};

constexpr PatternShape kShapes[] = {
    {NicknamePattern::Doubled, u"宝宝型", u"", u""},
    {NicknamePattern::Xiao, u"小宝型", u"小", u""},
    {NicknamePattern::A, u"阿宝型", u"阿", u""},
    {NicknamePattern::Er, u"宝儿型", u"", u"儿"},
    {NicknamePattern::Wa, u"宝娃型", u"", u"娃"},
};

const PatternShape& shapeOf(NicknamePattern pattern)
{
    for (const PatternShape& s : kShapes)
        if (s.pattern == pattern) return s;
    return kShapes[0];
}

bool suitsSex(const NicknameChar& c, const QString& sex)
{
    return c.sex == QStringLiteral("通") || c.sex == sex.trimmed();
}

}  // namespace

std::optional<NicknamePattern> NicknamePatternOf(const QString& name)
{
    for (const PatternShape& s : kShapes)
        if (name.trimmed() == QString::fromUtf16(s.name)) return s.pattern;
    return std::nullopt;
}

QString NicknamePatternName(NicknamePattern pattern)
{
    return QString::fromUtf16(shapeOf(pattern).name);
}

QString ApplyNicknamePattern(NicknamePattern pattern, const QString& ch)
{
    if (pattern == NicknamePattern::Doubled) return ch + ch;
    const PatternShape& s = shapeOf(pattern);
    return QString::fromUtf16(s.prefix) + ch + QString::fromUtf16(s.suffix);
}

const QList<NicknameChar>& NicknameChars()
{
    static const QList<NicknameChar> chars = [] {
        QList<NicknameChar> list;
        bool header = true;
        for (const QString& line : ReferenceListLines(QStringLiteral("nickname_chars.tsv"))) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() != 3) continue;
            if (header) {  // the column names
                header = false;
                continue;
            }
            list.push_back({fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed()});
        }
        return list;
    }();
    return chars;
}

QString Nickname::line() const
{
    return name + QStringLiteral("  五行:") + (element.isEmpty() ? QStringLiteral("-") : element) +
           QStringLiteral("  ") + meaning;
}

QList<Nickname> SuggestNicknames(const QString& sex, NicknamePattern pattern, const QString& missingElements)
{
    QList<Nickname> wanted, others;
    for (const NicknameChar& c : NicknameChars()) {
        if (!suitsSex(c, sex)) continue;
        const QString element = CharElement(c.ch).trimmed();
        Nickname n{ApplyNicknamePattern(pattern, c.ch), element, c.meaning};
        const bool lacking = !element.isEmpty() && missingElements.contains(element);
        (lacking ? wanted : others).push_back(std::move(n));
    }
    return wanted + others;
}

Expected<QList<Nickname>, QString> NicknamesForBirth(const BirthInfo& birth, NicknamePattern pattern)
{
    const auto missing = ComputeMissingElements(birth);
    if (!missing) return unexpected(missing.error());
    return SuggestNicknames(birth.sex, pattern, *missing);
}
