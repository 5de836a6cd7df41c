// The sex of a person as the birth rows offer it: "男" or "女".
#pragma once

#include <QString>

enum class Sex { Male, Female };

QString SexText(Sex sex);  // "男", "女"

// The sex a birth row's text names: "男" is male; any other text counts as female, as the luck
// direction has always read it.
Sex SexOfText(const QString& text);
