// The choices of the baby-naming page that shape its searches, as plain values, and the surname
// rule: exactly one Chinese character (two GB bytes) is a single surname; anything else is compound,
// of which the first two characters count.
#pragma once

#include <QString>
#include <optional>

enum class NameLength { Double, Single };        // "双字名" (index 0), "单字名" (index 1)
enum class FixedPosition { Second, Third };      // "第二字" (index 0), "第三字" (index 1) of the full name
enum class ChildSex { Boy, Girl };               // "男", "女"

struct Surname {
    QString first, second;  // second is empty for a single surname
    bool compound = false;
};

// The surname as the searches use it, from the text of the surname box (trimmed here).
Surname splitSurname(const QString& surnameBox);

// The combination kind of the table zh: 11, 12 (single surname), 21, 22 (compound surname).
int combinationKind(const Surname& surname, NameLength length);

// The choices that make the stroke-plan list.
struct StrokePlanOptions {
    QString surname;                     // the surname box; trimmed and split here
    NameLength length = NameLength::Double;
    QString fixedChar;                   // the fixed character box; trimmed here, empty for none
    FixedPosition fixedAt = FixedPosition::Second;
    std::optional<int> minimumScore = 70;  // none: "只起" unchecked or its box empty
};
