// The generating (相生) and overcoming (相克) cycles of the five elements, on element characters
// 金 木 水 火 土.
#pragma once

#include <QString>

enum class ElementRelation { Same, Generates, GeneratedBy, Overcomes, OvercomeBy, Unknown };

// How a stands to b: a generates b when a → b in 木 → 火 → 土 → 金 → 水 → 木; a overcomes b when
// a → b in 木 → 土 → 水 → 火 → 金 → 木.
ElementRelation relationOf(const QString& a, const QString& b);
