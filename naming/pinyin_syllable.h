// Pinyin syllables as the 音形义 judgement compares them: the letters without tone (ü written v)
// and the tone 1–4, 5 for the neutral tone. The dictionary writes readings with tone marks
// ("zhǎng"), the ill-sounding word list with tone digits ("zhang3"); both read into the same value.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

struct PinyinSyllable {
    QString letters;  // "zhang", "lv"
    int tone = 5;     // 1 … 4, 5 neutral
    int initialSize = 0;  // letters of the initial, worked out when the syllable is read

    // The initial consonant ("zh", "l"; empty for a syllable that starts with a vowel, y or w).
    QString initial() const { return letters.left(initialSize); }
    int initialLength() const { return initialSize; }
    // The rest after the initial ("ang", "i").
    QString final() const { return letters.mid(initialSize); }
    // 平 (tones 1, 2) or 仄 (3, 4); the neutral tone is neither.
    bool level() const { return tone == 1 || tone == 2; }
    bool oblique() const { return tone == 3 || tone == 4; }
    // "zhang3"
    QString digitText() const { return letters + QString::number(tone); }
    bool operator==(const PinyinSyllable&) const = default;
};

// "zhǎng" → zhang 3, "zi" → zi 5, "lǘ" → lv 2; nullopt when a character is not pinyin.
std::optional<PinyinSyllable> syllableFromMarks(QStringView reading);
// "zhang3" → zhang 3, "lv4" → lv 4; nullopt without a tone digit 1–5 or with other characters.
std::optional<PinyinSyllable> syllableFromDigits(QStringView text);
// The tone-marked form for people: zhang 3 → "zhǎng".
QString markedText(const PinyinSyllable& s);
