// The program's look: 宋体 at 12 pixels for every control that sets no font of its own. 宋体 itself is
// rarely installed here, so the family is mapped to an installed serif CJK font.
#pragma once

#include <QFont>

void installAppFont();

// The font of the report panes: a Chinese character exactly as wide as two ASCII characters, so the
// columns of the pillar grids, which are laid out with blanks, line up.
QFont reportFont();
