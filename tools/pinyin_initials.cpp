#include "pinyin_initials.h"

#include "data/text_file.h"

#include <array>

namespace {

#include "tools/gbk_syllables.inc"
static_assert(sizeof(kGbkSyllables) / sizeof(kGbkSyllables[0]) == 126 * 191);

constexpr unsigned char kFirstLead = 0x81, kFirstTrail = 0x40;

bool isAsciiLetterOrDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Row 0xA2: runs of numbered symbols, each run counting from 1.
struct NumberRun {
    unsigned char first, last;
};
constexpr std::array<NumberRun, 6> kNumberRuns = {{
    {0xA1, 0xAA},  // ⅰ … ⅹ
    {0xB1, 0xC4},  // ⒈ … ⒛
    {0xC5, 0xD8},  // ⑴ … ⒇
    {0xD9, 0xE2},  // ① … ⑩
    {0xE5, 0xEE},  // ㈠ … ㈩
    {0xF1, 0xFC},  // Ⅰ … Ⅻ
}};

QString numberedSymbol(unsigned char trail)
{
    for (const NumberRun& run : kNumberRuns)
        if (trail >= run.first && trail <= run.last) return QString::number(trail - run.first + 1);
    return QString();
}

// Row 0xA6: Α … Ω at 0xA1 … 0xB8 and α … ω at 0xC1 … 0xD8.
constexpr std::array<const char*, 24> kGreek = {"A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
                                                "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O"};

QString greekLetter(unsigned char trail)
{
    if (trail >= 0xA1 && trail <= 0xB8) return QString::fromLatin1(kGreek[trail - 0xA1]);
    if (trail >= 0xC1 && trail <= 0xD8) return QString::fromLatin1(kGreek[trail - 0xC1]);
    return QString();
}

QString singleByte(char c, const InitialsOptions& options)
{
    if (isAsciiLetterOrDigit(c)) return QString(QChar(c).toUpper());
    if (options.keepOthers && static_cast<unsigned char>(c) < 0x80) return QString(QChar(c));
    return QString();
}

QString doubleByte(unsigned char lead, unsigned char trail, const InitialsOptions& options)
{
    if (lead == 0xA2 && trail >= 0xA1) return numberedSymbol(trail);
    if (lead == 0xA3 && trail >= 0xA1) return singleByte(char(trail - 0x80), options);
    if (lead == 0xA6) return greekLetter(trail);
    const QString s = gbkSyllable(lead, trail).toUpper();
    if (s.isEmpty()) return options.markUnknown ? QStringLiteral("?") : QString();
    return options.fullSyllables ? s : s.left(1);
}

}  // namespace

int syllableCount()
{
    return kSyllableCount;
}

QString syllable(int number1)
{
    return number1 >= 1 && number1 <= kSyllableCount ? QString::fromLatin1(kSyllables[number1 - 1]) : QString();
}

QString gbkSyllable(unsigned char lead, unsigned char trail)
{
    if (lead < kFirstLead || lead == 0xFF || trail < kFirstTrail || trail == 0xFF) return QString();
    return syllable(kGbkSyllables[(lead - kFirstLead) * 191 + (trail - kFirstTrail)]);
}

QString PinyinInitials(const QByteArray& gbkText, InitialsOptions options, int maxLength)
{
    QString out;
    for (qsizetype i = 0; i < gbkText.size() && out.size() < maxLength; ++i) {
        const auto b1 = static_cast<unsigned char>(gbkText[i]);
        const bool pair = b1 >= kFirstLead && i + 1 < gbkText.size()
                          && static_cast<unsigned char>(gbkText[i + 1]) >= kFirstTrail;
        if (!pair) {
            out += singleByte(char(b1), options);
            continue;
        }
        out += doubleByte(b1, static_cast<unsigned char>(gbkText[++i]), options);
    }
    return out.left(maxLength);
}

QString PinyinInitials(const QString& text, InitialsOptions options, int maxLength)
{
    const auto bytes = encodeGb18030(text);
    return bytes ? PinyinInitials(*bytes, options, maxLength) : QString();
}
