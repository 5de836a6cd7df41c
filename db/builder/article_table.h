// The articles of table Noter (KelBirth.dll) come from db/articles/: one UTF-8 file per article,
// named after its key (a1.txt, XM018.txt); the first line is the title, the rest the content.
#pragma once

#include "derived_tables.h"

void addArticleTable(BuildContext& context);
