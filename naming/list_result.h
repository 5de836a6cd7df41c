// The result of a list or idiom search and the nine cells of each of its rows. A result may hold
// 100,000 names, so a row is kept as three small numbers: the stroke combination and the two
// given-name characters, whose texts are read and stored once each; the cell texts are put
// together when a row is shown.
#pragma once

#include "list_statement.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// What the grid shows of the surname: strokes, first traditional character, first reading and
// element of its first and (compound surname) second character. S2 is 0 for a single surname.
struct SurnameInfo {
    int S1 = 0, S2 = 0;
    QString ft1, ft2, pinyin1, pinyin2, wuhang1, wuhang2;
};

enum class ListColumn { Number, Name, Traditional, Pinyin, Elements, Strokes, Grids, Talents, Score };
inline constexpr int kListColumnCount = 9;
// The headings of the grid RzStringGrid1.
const std::array<const char*, kListColumnCount>& listColumnHeadings();

// The first of the readings a dictionary row lists ("huá、huà、huā" gives "huá").
QString firstReading(const QString& readings);

class ListResult {
public:
    // surname: the trimmed surname box, which starts every full name.
    ListResult(QString surname, SurnameInfo info) : surname_(std::move(surname)), info_(std::move(info)) {}

    // Adds the current row of a statement built by buildListStatement.
    void addRow(const StreamRow& r);
    // Reads the texts of the characters and combinations the rows name. Throws DbError.
    void readParts(Query& velmora);

    int rowCount() const { return int(rows_.size()); }
    const QString& surname() const { return surname_; }
    const SurnameInfo& surnameInfo() const { return info_; }

    // Rows are numbered from 1 in result order. `number` is what the 编号 cell shows.
    QString cellText(int row, ListColumn column, int number) const;
    QStringList cells(int row, int number) const;
    QString givenName(int row) const;
    int score(int row) const;
    // The line for the high-score list: 王明华(85), without "分".
    QString pickLine(int row) const;

    // Bytes held for the rows, characters and combinations (not counting allocator slack).
    size_t memoryBytes() const;

private:
    struct Character {
        QString zi, ft, wuhang, pinyin;
        int bh = 0;
    };
    struct Combination {
        QString wg, sc;
        int zf = 0;
    };
    static constexpr uint16_t kNone = 0xFFFF;
    struct Row {
        uint16_t combination, first, second;
    };

    static uint16_t indexOf(QHash<int, uint16_t>& byRowid, std::vector<int>& rowids, int rowid);
    const Row& rowAt(int row) const { return rows_[size_t(row - 1)]; }

    QString surname_;
    SurnameInfo info_;
    std::vector<Row> rows_;
    std::vector<Character> characters_;        // by index, in the order of characterRowids_
    std::vector<Combination> combinations_;    // likewise
    std::vector<int> characterRowids_, combinationRowids_;
    QHash<int, uint16_t> characterByRowid_, combinationByRowid_;
};
