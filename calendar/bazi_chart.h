// The cast four pillars (八字) of a solar birth moment, with what the reports derive from them.
// The chart holds values only; each report prints them in its own lines.
#pragma once

#include "chart_moment.h"
#include "hidden_stems.h"
#include "pillar.h"

#include "data/sex.h"

#include <array>

struct BaziChart {
    // The solar birth moment that was cast, in Beijing standard time, and the sex.
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    Sex sex = Sex::Male;
    // What the pillars were cast on: the true solar time at the birthplace when one was given.
    ChartMoment moment;

    Pillar yearPillar, monthPillar, dayPillar, hourPillar;

    // The birth date is a 节 day in the solar-term table and the birth comes before the term's time.
    bool BornBeforeJie = false;
    // The conception pillar (胎元).
    Pillar Conception;
    // The luck pillars run backwards.
    bool Backward = false;
    int StartAge = 1;  // 1 … 10
    // Ten luck pillars; the first is the month pillar itself.
    std::array<Pillar, 10> LuckPillars{};
    // Hidden stems (遁藏) of the year, month, day and hour positions.
    HiddenStems HiddenYear, HiddenMonth, HiddenDay, HiddenHour;
};
