// The cast four pillars (八字) of a solar birth moment, with what the reports derive from them.
#pragma once

#include <QString>
#include <array>

// One stem-branch pair, as indices (stem 甲 0 … 癸 9, branch 子 0 … 亥 11).
struct Pillar {
    int stem = 0;
    int branch = 0;

    QString text() const;  // the two characters, e.g. 甲子
    friend bool operator==(const Pillar&, const Pillar&) = default;
};

struct BaziChart {
    // The solar birth moment that was cast, and the sex text "男" or "女".
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    QString sex;

    // The four pillars as indices …
    int YearStem = 0, YearBranch = 0, MonthStem = 0, MonthBranch = 0;
    int DayStem = 0, DayBranch = 0, HourStem = 0, HourBranch = 0;
    // … and the same eight as one-character texts.
    QString YS, YB, MS, MB, DS, DB, HS, HB;

    // The birth date is a 节 day in the solar-term table and the birth comes before the term's time.
    bool BornBeforeJie = false;
    // The conception pillar (胎元): stem, branch and one trailing blank.
    QString Conception;
    // The luck pillars run backwards.
    bool Backward = false;
    int StartAge = 1;  // 1 … 10
    QString StartAgeText;
    // Ten luck pillars; the first is the month pillar itself.
    std::array<Pillar, 10> LuckPillars{};
    QString LuckPillarsText;  // their texts joined by three blanks
    // Hidden stems (遁藏) of the year, month, day and hour positions.
    QString HiddenYear, HiddenMonth, HiddenDay, HiddenHour;

    Pillar yearPillar() const { return {YearStem, YearBranch}; }
    Pillar monthPillar() const { return {MonthStem, MonthBranch}; }
    Pillar dayPillar() const { return {DayStem, DayBranch}; }
    Pillar hourPillar() const { return {HourStem, HourBranch}; }
};
