#include "list_result.h"

#include "data/db_error.h"

#include <QJsonArray>
#include <QJsonDocument>

QString firstReading(const QString& readings)
{
    return readings.section(u'、', 0, 0).trimmed();
}

uint16_t ListResult::indexOf(QHash<int, uint16_t>& byRowid, std::vector<int>& rowids, int rowid)
{
    if (auto it = byRowid.constFind(rowid); it != byRowid.constEnd()) return *it;
    // A statement joins at most 500 combinations and the dictionary's few thousand characters.
    if (rowids.size() >= kNone) throw DbError(QStringLiteral("结果中的字或笔画组合太多"));
    rowids.push_back(rowid);
    return byRowid[rowid] = uint16_t(rowids.size() - 1);
}

void ListResult::addRow(const StreamRow& r)
{
    const uint16_t second = r.isNull(kColSecondChar)
                                ? kNone
                                : indexOf(characterByRowid_, characterRowids_, r.toInt(kColSecondChar));
    rows_.push_back({indexOf(combinationByRowid_, combinationRowids_, r.toInt(kColCombination)),
                     indexOf(characterByRowid_, characterRowids_, r.toInt(kColFirstChar)), second});
}

namespace {

QString jsonOf(const std::vector<int>& ids)
{
    QJsonArray array;
    for (int id : ids) array.append(id);
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

}  // namespace

void ListResult::readParts(Query& velmora)
{
    characters_.assign(characterRowids_.size(), {});
    velmora.scanWith("select rowid, zi, substr(ft, 1, 1), wuhang, pinyin, bh from word"
                     " where rowid in (select value from json_each(?))",
                     {jsonOf(characterRowids_)}, [&](const StreamRow& r) {
                         characters_[characterByRowid_.value(r.toInt(0))] = {r.toText(1), r.toText(2), r.toText(3),
                                                                             firstReading(r.toText(4)), r.toInt(5)};
                     });
    combinations_.assign(combinationRowids_.size(), {});
    velmora.scanWith("select rowid, wg, sc, zf from zh where rowid in (select value from json_each(?))",
                     {jsonOf(combinationRowids_)}, [&](const StreamRow& r) {
                         combinations_[combinationByRowid_.value(r.toInt(0))] = {r.toText(1), r.toText(2), r.toInt(3)};
                     });
}

NameRow ListResult::row(int row, int number) const
{
    const Row& r = rowAt(row);
    NameRow shown{number, surname_, info_, characters_[r.first], std::nullopt, combinations_[r.combination]};
    if (r.second != kNone) shown.second = characters_[r.second];
    return shown;
}

QString ListResult::givenName(int row) const
{
    return this->row(row).givenName();
}

int ListResult::score(int row) const
{
    return combinations_[rowAt(row).combination].zf;
}

size_t ListResult::memoryBytes() const
{
    auto text = [](const QString& s) { return sizeof(QString) + size_t(s.capacity()) * sizeof(QChar); };
    size_t bytes = sizeof(*this) + rows_.capacity() * sizeof(Row);
    for (const NameChar& ch : characters_) bytes += text(ch.zi) + text(ch.ft) + text(ch.wuhang) + text(ch.pinyin) + sizeof(int);
    for (const StrokeCombination& co : combinations_) bytes += text(co.wg) + text(co.sc) + sizeof(int);
    const size_t hashEntry = sizeof(int) + sizeof(uint16_t) + 2 * sizeof(void*);
    bytes += size_t(characterByRowid_.capacity() + combinationByRowid_.capacity()) * hashEntry;
    bytes += (characterRowids_.capacity() + combinationRowids_.capacity()) * sizeof(int);
    return bytes;
}
