#include "pillar.h"

QString Pillar::text() const { return stemText() + branchText(); }
QString Pillar::stemText() const { return StemText(stem_); }
QString Pillar::branchText() const { return BranchText(branch_); }
