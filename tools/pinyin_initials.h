// Spelling text in Latin letters by its GBK codes: hanzi by their pinyin, the numbered symbols of
// row 0xA2 by their numbers, full-width ASCII as ASCII and Greek letters by their transliteration.
#pragma once

#include <QByteArray>
#include <QString>

struct InitialsOptions {
    bool fullSyllables = false;  // whole syllables instead of first letters
    bool markUnknown = false;    // "?" for a double-byte character without a syllable
    bool keepOthers = false;     // keep single-byte characters that are not letters or digits
};

// The text spelled out in upper case, cut to maxLength characters.
QString PinyinInitials(const QByteArray& gbkText, InitialsOptions options, int maxLength);
QString PinyinInitials(const QString& text, InitialsOptions options, int maxLength);

// The toneless syllables in alphabetical order ("a", "ai", … "zuo").
int syllableCount();
QString syllable(int number1);  // 1-based; empty outside the list
// The syllable of the character at a double-byte GBK code, empty when it has none.
QString gbkSyllable(unsigned char lead, unsigned char trail);
