#include "almanac_rules.h"

#include "ganzhi.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <functional>

namespace {

// Rows of a rule table: UTF-8, tab-separated; "#" lines are comments and the first other line
// names the columns, which must be the expected ones.
Expected<QList<QStringList>, QString> readTable(const QString& path, const QStringList& columns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return unexpected(QStringLiteral("cannot read %1").arg(path));
    QList<QStringList> rows;
    bool header = true;
    int lineNumber = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != columns.size())
            return unexpected(QStringLiteral("%1:%2: expected %3 fields").arg(path).arg(lineNumber).arg(columns.size()));
        if (header) {
            if (fields != columns) return unexpected(QStringLiteral("%1: the columns must be %2").arg(path, columns.join(u' ')));
            header = false;
            continue;
        }
        rows << fields;
    }
    return rows;
}

int sexagenaryOf(const QString& pair)
{
    return pair.size() == 2 ? SexagenaryNumber(StemIndex(pair.left(1)), BranchIndex(pair.mid(1))) : -1;
}

// Fills one slot per key and fails on an unknown, repeated or missing key.
QString fillEach(const QString& path, const QList<QStringList>& rows, int keyCount, const std::function<int(const QStringList&)>& keyOf,
                 const std::function<void(int, const QStringList&)>& store)
{
    std::vector<bool> seen(keyCount, false);
    for (const QStringList& row : rows) {
        const int key = keyOf(row);
        if (key < 0 || key >= keyCount || seen[key]) return QStringLiteral("%1: unknown or repeated key %2").arg(path, row.mid(0, 2).join(u' '));
        seen[key] = true;
        store(key, row);
    }
    for (int key = 0; key < keyCount; ++key)
        if (!seen[key]) return QStringLiteral("%1: %2 of %3 keys present").arg(path).arg(rows.size()).arg(keyCount);
    return QString();
}

}  // namespace

Expected<AlmanacRules, QString> AlmanacRules::readFolder(const QString& folder)
{
    const QDir dir(folder);
    AlmanacRules rules;

    const QString daysPath = dir.filePath(QStringLiteral("day_rules.tsv"));
    const auto days = readTable(daysPath, {"month", "day", "good", "bad", "yi", "ji"});
    if (!days) return unexpected(days.error());
    QString fault = fillEach(daysPath, *days, 12 * 60,
        [](const QStringList& r) {
            const int month = BranchIndex(r[0]), day = sexagenaryOf(r[1]);
            return month < 0 || day < 0 ? -1 : month * 60 + day;
        },
        [&](int key, const QStringList& r) { rules.days_[key] = {r[2], r[3], r[4], r[5]}; });
    if (!fault.isEmpty()) return unexpected(fault);

    const QString fetusPath = dir.filePath(QStringLiteral("fetus_god.tsv"));
    const auto fetus = readTable(fetusPath, {"day", "position"});
    if (!fetus) return unexpected(fetus.error());
    fault = fillEach(fetusPath, *fetus, 60, [](const QStringList& r) { return sexagenaryOf(r[0]); },
                     [&](int key, const QStringList& r) { rules.fetus_[key] = r[1]; });
    if (!fault.isEmpty()) return unexpected(fault);

    // Stems take keys 0 … 9 and branches 10 … 21.
    const QString pengzuPath = dir.filePath(QStringLiteral("pengzu.tsv"));
    const auto pengzu = readTable(pengzuPath, {"key", "taboo"});
    if (!pengzu) return unexpected(pengzu.error());
    fault = fillEach(pengzuPath, *pengzu, kStemCount + kBranchCount,
        [](const QStringList& r) {
            if (const int stem = StemIndex(r[0]); stem >= 0) return stem;
            const int branch = BranchIndex(r[0]);
            return branch < 0 ? -1 : kStemCount + branch;
        },
        [&](int key, const QStringList& r) {
            if (key < kStemCount) rules.stemTaboos_[key] = r[1];
            else rules.branchTaboos_[key - kStemCount] = r[1];
        });
    if (!fault.isEmpty()) return unexpected(fault);
    return rules;
}

const AlmanacDayRule& AlmanacRules::dayRule(int monthBranch, int sexagenary) const
{
    return days_[wrapIndex(monthBranch, kBranchCount) * 60 + wrapIndex(sexagenary, 60)];
}

const QString& AlmanacRules::fetusGod(int sexagenary) const { return fetus_[wrapIndex(sexagenary, 60)]; }

QString AlmanacRules::pengzuTaboos(int sexagenary) const
{
    return stemTaboos_[wrapIndex(sexagenary, kStemCount)] + u' ' + branchTaboos_[wrapIndex(sexagenary, kBranchCount)];
}
