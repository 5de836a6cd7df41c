// The program's look: 宋体 at 12 pixels for every control that sets no font of its own. 宋体 itself is
// rarely installed here, so the family is mapped to an installed serif CJK font.
#pragma once

void installAppFont();
