// Readable failure messages for the calendar's value types: a pillar prints as 甲子, hidden stems
// as 癸辛己, a sex as 男 or 女.
#pragma once

#include "calendar/hidden_stems.h"
#include "calendar/pillar.h"
#include "data/sex.h"

#include <ostream>

inline void PrintTo(const Pillar& p, std::ostream* os) { *os << p.text().toStdString(); }

inline void PrintTo(const HiddenStems& h, std::ostream* os)
{
    *os << h.text().toStdString() << " (of " << BranchText(h.branch()).toStdString() << ')';
}

inline void PrintTo(Sex sex, std::ostream* os) { *os << SexText(sex).toStdString(); }
