// The recommended view of every naming mode: the best names of a search by their 音形义 score,
// ties broken by the numerology score and then by the order the search gave them. A name with a
// 谐音, a rare character or a character not to choose is left out, and so is a repeat of a name
// already taken; no character stands in more than kMaxNamesPerCharacter names, so the list offers
// a parent a choice rather than one character in thirty variations.
#pragma once

#include "naming/name_quality.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

inline constexpr int kMaxNamesPerCharacter = 3;
// How many names the pages show in their recommended lists.
inline constexpr int kRecommendedListSize = 100;

struct RecommendedName {
    QString given;
    QString line;         // the search's own line for the name, as 王梓宸(93分)
    int quality = 0;      // the 音形义 score
    int numerology = 0;   // the search's score
    QString reason;       // the judgement's sentences, for a tool tip
};

// The candidates of a search, read by index: its given names and their numerology scores.
struct NameCandidates {
    int count = 0;
    std::function<QString(int)> given;
    std::function<int(int)> score;
    std::function<QString(int)> line;
};

QList<RecommendedName> recommendNames(const QualityJudge& judge, const NameCandidates& candidates, int count);

// Candidates from name lines such as 王梓宸(93分) or 王梓宸(93), all starting with the surname.
NameCandidates candidatesFromLines(const QString& surname, const QStringList& lines);

// The line of the recommended list: the search's line and the 音形义 score, as 王梓宸(93分) 音形义95分.
QString recommendedLine(const RecommendedName& name);
