#include "name_comparison.h"

#include "data/char_dictionary.h"
#include "naming/name_quality.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"

namespace {

constexpr const char16_t* kHeaders[kComparisonColumnCount] = {
    u"姓名", u"拼音", u"声调", u"综合评分", u"天格", u"人格", u"地格", u"总格", u"外格", u"三才", u"音形义评分", u"音形义提示", u"用字", u"补缺", u"出处"};

constexpr GridKind kGridOfColumn[] = {GridKind::Tian, GridKind::Ren, GridKind::Di, GridKind::Zong, GridKind::Wai};
static_assert(int(ComparisonColumn::WaiGe) - int(ComparisonColumn::TianGe) + 1 == std::size(kGridOfColumn));

// The five elements in the order the charts name them.
const QString kElements = QStringLiteral("金木水火土");

QStringList charactersOf(const QString& text)
{
    QStringList out;
    for (uint c : text.toUcs4()) {
        const char32_t cp = c;
        out << QString::fromUcs4(&cp, 1);
    }
    return out;
}

// The luck word of a number's jx text, without its brackets: （大吉） gives 大吉.
QString luckWordOf(int n)
{
    QString word = NumberText(n, NumberField::LuckWord).trimmed();
    for (const QChar bracket : {QChar(u'（'), QChar(u'）'), QChar(u'('), QChar(u')')}) word.remove(bracket);
    return word;
}

std::optional<GridKind> gridOfColumn(ComparisonColumn column)
{
    const int k = int(column) - int(ComparisonColumn::TianGe);
    if (k < 0 || k >= int(std::size(kGridOfColumn))) return std::nullopt;
    return kGridOfColumn[k];
}

QString quoteCsv(const QString& cell)
{
    if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r')) return cell;
    QString quoted = cell;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QString comparisonHeader(ComparisonColumn column)
{
    return QString::fromUtf16(kHeaders[int(column)]);
}

int toneOfSyllable(const QString& syllable)
{
    static const QString kMarked[4] = {QStringLiteral("āēīōūǖ"), QStringLiteral("áéíóúǘḿń"),
                                       QStringLiteral("ǎěǐǒǔǚň"), QStringLiteral("àèìòùǜǹ")};
    const QString s = syllable.normalized(QString::NormalizationForm_C);
    for (QChar c : s)
        for (int tone = 0; tone < 4; ++tone)
            if (kMarked[tone].contains(c)) return tone + 1;
    return 0;
}

QString suppliesVerdict(const QString& missingElements, const QString& givenElements)
{
    if (missingElements.isEmpty()) return QStringLiteral("不缺");
    QString supplied, lacking;
    for (QChar e : kElements) {
        if (!missingElements.contains(e)) continue;
        (givenElements.contains(e) ? supplied : lacking) += e;
    }
    if (lacking.isEmpty()) return QStringLiteral("补足") + supplied;
    if (supplied.isEmpty()) return QStringLiteral("未补（缺") + lacking + QStringLiteral("）");
    return QStringLiteral("补") + supplied + QStringLiteral("，仍缺") + lacking;
}

std::optional<ChildSex> childSexOf(const QString& sexText)
{
    if (sexText.trimmed() == QStringLiteral("男")) return ChildSex::Boy;
    if (sexText.trimmed() == QStringLiteral("女")) return ChildSex::Girl;
    return std::nullopt;
}

ComparisonTable compareNames(const std::vector<ShortlistName>& names, const std::optional<QString>& missingElements,
                             std::optional<ChildSex> sex)
{
    ComparisonTable table;
    table.hasChart = missingElements.has_value();
    table.missingElements = missingElements.value_or(QString());
    for (const ShortlistName& n : names) {
        ComparisonRow row;
        row.surname = n.surname.trimmed();
        row.givenName = n.givenName.trimmed();
        row.source = n.source;
        QString givenElements;
        const QStringList surnameChars = charactersOf(row.surname);
        const QStringList all = surnameChars + charactersOf(row.givenName);
        for (int i = 0; i < all.size(); ++i) {
            ComparedCharacter c{all[i], CharPinyin(all[i]).trimmed(), CharElement(all[i]).trimmed(), {}, CharStrokes(all[i])};
            if (i >= surnameChars.size()) givenElements += c.element;
            row.characters.push_back(c);
        }
        row.scoreValue = NameScore(row.surname, row.givenName);
        row.score = formatScore(row.scoreValue);
        row.grids = FiveGridsOf(row.surname, row.givenName);
        for (int kind = 0; kind < 5; ++kind) row.luckWords << luckWordOf(row.grids.byKind(GridKind(kind)));
        row.threeTalent = ThreeTalentTitle(row.grids.tian, row.grids.ren, row.grids.di);
        // The same judgement the reports' 【音形义分析】 section prints.
        const QualityJudgement judgement = QualityJudge::forName(row.surname, row.givenName, sex).judge(row.givenName);
        row.quality = judgement.score;
        for (const QualityFinding& f : judgement.findings)
            if (!f.passed) row.qualityNotes << f.sentence;
        for (size_t k = 0; k < row.characters.size() && k < size_t(judgement.characters.size()); ++k)
            if (judgement.characters[qsizetype(k)].character == row.characters[k].character)
                row.characters[k].gloss = judgement.characters[qsizetype(k)].gloss;
        if (table.hasChart) row.supplies = suppliesVerdict(table.missingElements, givenElements);
        table.rows.push_back(row);
    }
    return table;
}

QString comparisonCell(const ComparisonRow& row, ComparisonColumn column)
{
    if (const auto kind = gridOfColumn(column))
        return QString::number(row.grids.byKind(*kind)) + u' ' + row.luckWords.value(int(*kind));
    QStringList parts;
    switch (column) {
    case ComparisonColumn::Name: return row.surname + row.givenName;
    case ComparisonColumn::Pinyin:
        for (const ComparedCharacter& c : row.characters) parts << c.pinyin;
        return parts.join(u' ');
    case ComparisonColumn::Tones:
        for (const ComparedCharacter& c : row.characters) parts << QString::number(toneOfSyllable(c.pinyin));
        return parts.join(u' ');
    case ComparisonColumn::Score: return row.score;
    case ComparisonColumn::ThreeTalent: return row.threeTalent;
    case ComparisonColumn::Quality: return QString::number(row.quality);
    case ComparisonColumn::QualityNotes: return row.qualityNotes.isEmpty() ? QStringLiteral("无") : row.qualityNotes.join(u' ');
    case ComparisonColumn::Characters:
        for (const ComparedCharacter& c : row.characters)
            parts << c.character + u' ' + (c.element.isEmpty() ? QStringLiteral("?") : c.element) + u' ' +
                         QString::number(c.strokes) + QStringLiteral("画") + (c.gloss.isEmpty() ? QString() : u' ' + c.gloss);
        return parts.join(QStringLiteral("；"));
    case ComparisonColumn::Supplies: return row.supplies;
    case ComparisonColumn::Source: return row.source;
    default: return {};
    }
}

QVariant comparisonSortKey(const ComparisonRow& row, ComparisonColumn column)
{
    if (const auto kind = gridOfColumn(column)) return row.grids.byKind(*kind);
    if (column == ComparisonColumn::Score) return row.scoreValue;
    if (column == ComparisonColumn::Quality) return row.quality;
    return comparisonCell(row, column);
}

QStringList comparisonLines(const ComparisonTable& table, QChar sep)
{
    QStringList header;
    for (int c = 0; c < kComparisonColumnCount; ++c) header << comparisonHeader(ComparisonColumn(c));
    QStringList lines{header.join(sep)};
    for (const ComparisonRow& row : table.rows) {
        QStringList cells;
        for (int c = 0; c < kComparisonColumnCount; ++c) cells << comparisonCell(row, ComparisonColumn(c));
        lines << cells.join(sep);
    }
    return lines;
}

QByteArray comparisonCsv(const ComparisonTable& table)
{
    QString text;
    QStringList header;
    for (int c = 0; c < kComparisonColumnCount; ++c) header << quoteCsv(comparisonHeader(ComparisonColumn(c)));
    text += header.join(u',') + QStringLiteral("\r\n");
    for (const ComparisonRow& row : table.rows) {
        QStringList cells;
        for (int c = 0; c < kComparisonColumnCount; ++c) cells << quoteCsv(comparisonCell(row, ComparisonColumn(c)));
        text += cells.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
