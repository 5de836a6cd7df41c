// The shortlisted names side by side: one row per name, one column per question a parent asks of
// a name. Every value is taken from the same lookups the name reports print, so that the table and
// the report of a name never disagree.
#pragma once

#include "naming/naming_options.h"
#include "naming/shortlist.h"
#include "numerology/five_grids.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

enum class ComparisonColumn {
    Name,           // 姓名
    Pinyin,         // 拼音, with tone marks, as the report's 拼音 line reads each character
    Tones,          // 声调: 1 … 4, 0 for a neutral tone, one per syllable
    Score,          // 综合评分
    TianGe,         // the five grids, each with its luck word: 5 大吉
    RenGe,
    DiGe,
    ZongGe,
    WaiGe,
    ThreeTalent,    // 三才 title, e.g. 土木木
    Quality,        // 音形义评分, 0 … 100
    QualityNotes,   // the sentences of the 音形义 checks to be noted; 无 when every check passed
    Characters,     // each character's element, strokes and gloss: 明 水 8画 光明磊落
    Supplies,       // whether the given name supplies the elements the chart lacks
    Source,         // the poem line of a poem name
};
inline constexpr int kComparisonColumnCount = int(ComparisonColumn::Source) + 1;

struct ComparedCharacter {
    QString character, pinyin, element, gloss;
    int strokes = 0;
};

struct ComparisonRow {
    QString surname, givenName, source;
    std::vector<ComparedCharacter> characters;  // surname first, then the given name
    QString score;                              // as the report prints it: 92, 88.5
    double scoreValue = 0;
    FiveGrids grids;
    QStringList luckWords;                      // by GridKind code: 大吉, 凶 …
    QString threeTalent;
    int quality = 0;                            // the 音形义 score
    QStringList qualityNotes;                   // its findings to be noted
    QString supplies;                           // empty when no chart was given
};

struct ComparisonTable {
    std::vector<ComparisonRow> rows;
    QString missingElements;  // of the chart the table was made for
    bool hasChart = false;
};

// The header text of a column.
QString comparisonHeader(ComparisonColumn column);

// Builds the rows. missingElements: the elements the child's chart lacks ("" when it lacks none),
// or nothing when no birth moment is known; sex: the child's, for the 音形义 judgement. Throws
// ActionAbandoned or DbError as the name reports do when a knowledge file cannot be read.
ComparisonTable compareNames(const std::vector<ShortlistName>& names, const std::optional<QString>& missingElements,
                             std::optional<ChildSex> sex = std::nullopt);

// The child's sex of a birth row's sex text; nothing for any other text.
std::optional<ChildSex> childSexOf(const QString& sexText);

// What a cell shows, and the value a column sorts by (numbers for the score and the grids).
QString comparisonCell(const ComparisonRow& row, ComparisonColumn column);
QVariant comparisonSortKey(const ComparisonRow& row, ComparisonColumn column);

// The tone number of one pinyin syllable by its tone mark: 1 … 4, 0 when it has none.
int toneOfSyllable(const QString& syllable);

// The "补缺" verdict: 不缺, 补足木水, 补木，仍缺水 or 未补（缺木水）.
QString suppliesVerdict(const QString& missingElements, const QString& givenElements);

// The table as text: a header line, then one line per row, cells joined by sep.
QStringList comparisonLines(const ComparisonTable& table, QChar sep);
// The table as a CSV file: UTF-8 with a byte-order mark (so spreadsheets pick the right encoding),
// cells quoted where they hold a comma, a quote or a line break, lines ending in CR LF.
QByteArray comparisonCsv(const ComparisonTable& table);
