// The result of a list or idiom search. A result may hold 100,000 names, so a row is kept as three
// small numbers: the stroke combination and the two given-name characters, whose texts are read and
// stored once each; a row becomes a NameRow, and its cells texts, only when it is shown.
#pragma once

#include "list_statement.h"
#include "name_row.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

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
    NameRow row(int row, int number = 0) const;
    QString givenName(int row) const;
    int score(int row) const;

    // Bytes held for the rows, characters and combinations (not counting allocator slack).
    size_t memoryBytes() const;

private:
    static constexpr uint16_t kNone = 0xFFFF;
    struct Row {
        uint16_t combination, first, second;
    };

    static uint16_t indexOf(QHash<int, uint16_t>& byRowid, std::vector<int>& rowids, int rowid);
    const Row& rowAt(int row) const { return rows_[size_t(row - 1)]; }

    QString surname_;
    SurnameInfo info_;
    std::vector<Row> rows_;
    std::vector<NameChar> characters_;             // by index, in the order of characterRowids_
    std::vector<StrokeCombination> combinations_;  // likewise
    std::vector<int> characterRowids_, combinationRowids_;
    QHash<int, uint16_t> characterByRowid_, combinationByRowid_;
};
