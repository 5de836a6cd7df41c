// The elements a name should carry when the parent asks for names matched to the child's chart: the
// elements the chart lacks, less those the surname already brings.
#pragma once

#include "naming/naming_options.h"

#include <QString>

struct PreferredElements {
    QString remaining;   // the lacking elements without the surname's, trimmed: the new missingElements
    QString first, second;  // E1 and E2, empty when there are fewer
};

// Removes from missing every occurrence of the element of each surname character (the character
// element lookup, by simplified then traditional form), then takes the first two that remain.
PreferredElements narrowPreferredElements(const QString& missing, const Surname& surname);
