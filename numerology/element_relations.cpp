#include "element_relations.h"

namespace {

// Position in the generating cycle; the overcoming cycle skips one: i overcomes i + 2.
int cycleIndex(const QString& element)
{
    static const QString kCycle = QStringLiteral("木火土金水");
    return element.size() == 1 ? int(kCycle.indexOf(element)) : -1;
}

}  // namespace

ElementRelation relationOf(const QString& a, const QString& b)
{
    const int i = cycleIndex(a), j = cycleIndex(b);
    if (i < 0 || j < 0) return ElementRelation::Unknown;
    switch ((j - i + 5) % 5) {
    case 0: return ElementRelation::Same;
    case 1: return ElementRelation::Generates;
    case 2: return ElementRelation::Overcomes;
    case 3: return ElementRelation::OvercomeBy;
    default: return ElementRelation::GeneratedBy;
    }
}
