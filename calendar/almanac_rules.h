// The traditional day rules of the almanac, as the text tables in db/almanac/ carry them: the
// spirits and activities of each day by the month's branch and the day's stem-branch pair, the
// fetus god's place by the day's pair, and the Pengzu taboos by its stem and its branch.
#pragma once

#include "data/expected.h"

#include <QString>
#include <array>

struct AlmanacDayRule {
    QString good;  // 吉神宜趋, blank-separated; 无 for none
    QString bad;   // 凶神宜忌
    QString yi;    // the activities to do
    QString ji;    // the activities to avoid
};

class AlmanacRules {
public:
    // Reads day_rules.tsv, fetus_god.tsv and pengzu.tsv from the folder. Every key must be present
    // once; the error names the file and the first fault.
    static Expected<AlmanacRules, QString> readFolder(const QString& folder);

    // monthBranch 0 … 11 (子 … 亥), sexagenary 0 … 59 (甲子 = 0); both wrap.
    const AlmanacDayRule& dayRule(int monthBranch, int sexagenary) const;
    const QString& fetusGod(int sexagenary) const;
    // The stem's and the branch's taboo, separated by one blank.
    QString pengzuTaboos(int sexagenary) const;

private:
    std::array<AlmanacDayRule, 12 * 60> days_;
    std::array<QString, 60> fetus_;
    std::array<QString, 10> stemTaboos_;
    std::array<QString, 12> branchTaboos_;
};
