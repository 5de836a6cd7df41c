#include "bazi_chart.h"

#include "ganzhi.h"

QString Pillar::text() const { return PillarText(stem, branch); }
