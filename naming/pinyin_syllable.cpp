#include "pinyin_syllable.h"

#include <array>

namespace {

// Each toned vowel with its plain letter and tone.
struct MarkedVowel {
    char16_t marked;
    char16_t plain;
    int tone;
};
constexpr std::array<MarkedVowel, 30> kMarkedVowels = {{
    {u'ā', u'a', 1}, {u'á', u'a', 2}, {u'ǎ', u'a', 3}, {u'à', u'a', 4},
    {u'ē', u'e', 1}, {u'é', u'e', 2}, {u'ě', u'e', 3}, {u'è', u'e', 4},
    {u'ī', u'i', 1}, {u'í', u'i', 2}, {u'ǐ', u'i', 3}, {u'ì', u'i', 4},
    {u'ō', u'o', 1}, {u'ó', u'o', 2}, {u'ǒ', u'o', 3}, {u'ò', u'o', 4},
    {u'ū', u'u', 1}, {u'ú', u'u', 2}, {u'ǔ', u'u', 3}, {u'ù', u'u', 4},
    {u'ǖ', u'v', 1}, {u'ǘ', u'v', 2}, {u'ǚ', u'v', 3}, {u'ǜ', u'v', 4},
    {u'ń', u'n', 2}, {u'ň', u'n', 3}, {u'ǹ', u'n', 4}, {u'ḿ', u'm', 2},
    {u'ê', u'e', 5}, {u'ü', u'v', 5},
}};

// Initials, the two-letter ones first so that "zh" is not read as "z".
constexpr std::array<const char*, 21> kInitials = {"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l",
                                                  "g",  "k",  "h",  "j", "q", "x", "r", "z", "c", "s"};

bool isLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

int initialSizeOf(const QString& letters)
{
    for (const char* i : kInitials) {
        const int n = int(qstrlen(i));
        if (letters.size() > n && letters.startsWith(QLatin1String(i, n))) return n;
    }
    return 0;
}

}  // namespace


std::optional<PinyinSyllable> syllableFromMarks(QStringView reading)
{
    PinyinSyllable s;
    for (QChar c : reading.trimmed()) {
        const QChar lower = c.toLower();
        if (isLetter(lower)) {
            s.letters += lower;
            continue;
        }
        bool known = false;
        for (const MarkedVowel& v : kMarkedVowels)
            if (lower.unicode() == v.marked) {
                s.letters += QChar(v.plain);
                if (v.tone != 5) s.tone = v.tone;
                known = true;
                break;
            }
        if (!known) return std::nullopt;
    }
    if (s.letters.isEmpty()) return std::nullopt;
    s.initialSize = initialSizeOf(s.letters);
    return s;
}

std::optional<PinyinSyllable> syllableFromDigits(QStringView text)
{
    if (text.size() < 2) return std::nullopt;
    const QChar digit = text.back();
    if (digit < u'1' || digit > u'5') return std::nullopt;
    PinyinSyllable s;
    s.tone = digit.unicode() - u'0';
    for (QChar c : text.chopped(1)) {
        if (!isLetter(c)) return std::nullopt;
        s.letters += c;
    }
    s.initialSize = initialSizeOf(s.letters);
    return s;
}

QString markedText(const PinyinSyllable& s)
{
    QString text = s.letters;
    text.replace(u'v', u'ü');
    if (s.tone < 1 || s.tone > 4) return text;
    // The mark goes on a or e, on the o of "ou", else on the last vowel.
    qsizetype at = text.indexOf(u'a');
    if (at < 0) at = text.indexOf(u'e');
    if (at < 0) at = text.indexOf(QLatin1String("ou"));
    if (at < 0)
        for (qsizetype i = text.size() - 1; i >= 0; --i)
            if (QStringLiteral("iouü").contains(text[i])) {
                at = i;
                break;
            }
    if (at < 0) return text;
    const char16_t plain = text[at] == u'ü' ? u'v' : text[at].unicode();
    for (const MarkedVowel& v : kMarkedVowels)
        if (v.plain == plain && v.tone == s.tone) {
            text[at] = QChar(v.marked);
            break;
        }
    return text;
}
