// The tables of the 音形义 judgement (Velmora.dll) come from db/quality/: headerless, tab-separated
// UTF-8 text written and reviewed by us, in fixed column orders. The word lists and glosses are
// split over several files (ill_sounds_*.tsv, char_glosses_*.tsv); every file present is loaded, so
// a list that is still being written leaves its table short rather than breaking the build.
#pragma once

#include "derived_tables.h"

void addQualityTables(BuildContext& context);
