// Nicknames (小名) for a child: a character from a curated list of sweet, simple characters that are
// easy to call, put into one of five familiar shapes. Characters of the elements that the child's
// four pillars lack come first, as the naming pages do with given names.
#pragma once

#include "data/birth_info.h"
#include "data/expected.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class NicknamePattern {
    Doubled,   // 宝宝型: 明明
    Xiao,      // 小宝型: 小明
    A,         // 阿宝型: 阿明
    Er,        // 宝儿型: 明儿
    Wa,        // 宝娃型: 明娃
};

// "宝宝型", "小宝型", "阿宝型", "宝儿型", "宝娃型"; nullopt for any other text.
std::optional<NicknamePattern> NicknamePatternOf(const QString& name);
QString NicknamePatternName(NicknamePattern pattern);
QString ApplyNicknamePattern(NicknamePattern pattern, const QString& ch);

// One character of the curated list (db/reference/nickname_chars.tsv).
struct NicknameChar {
    QString ch;
    QString sex;  // "男", "女", or "通" for either
    QString meaning;
};
const QList<NicknameChar>& NicknameChars();

struct Nickname {
    QString name;     // e.g. 明明
    QString element;  // the character's element from the dictionary; empty when it has none
    QString meaning;
    // "明明  五行:火  光明，聪慧": the nickname first.
    QString line() const;
};

// The nicknames for a child of sex in the pattern: every curated character that suits the sex, those
// whose element is in missingElements first, each group in the list's order.
QList<Nickname> SuggestNicknames(const QString& sex, NicknamePattern pattern, const QString& missingElements);

// The same for a birth moment: the chart is cast from birth and its missing elements put first. The
// error is the message for birth input that cannot be read.
Expected<QList<Nickname>, QString> NicknamesForBirth(const BirthInfo& birth, NicknamePattern pattern);
