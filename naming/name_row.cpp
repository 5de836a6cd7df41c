#include "name_row.h"

const std::array<const char*, kListColumnCount>& listColumnHeadings()
{
    static const std::array<const char*, kListColumnCount> headings = {
        "编号", "名称", "繁体字", "拼音", "五行", "笔画", "五格", "三才", "分数"};
    return headings;
}

QString NameRow::givenName() const
{
    return second ? first.zi + second->zi : first.zi;
}

QString cellText(const NameRow& row, ListColumn column)
{
    const SurnameInfo& s = row.surnameInfo;
    const NameChar& b = row.first;
    const NameChar* c = row.second ? &*row.second : nullptr;
    switch (column) {
    case ListColumn::Number: return QString::number(row.number);
    case ListColumn::Name: return row.surname + row.givenName();
    case ListColumn::Traditional: return s.ft1 + s.ft2 + b.ft + (c ? c->ft : QString());
    case ListColumn::Pinyin: return s.pinyin1 + s.pinyin2 + u'-' + b.pinyin + (c ? u'-' + c->pinyin : QString());
    case ListColumn::Elements: return s.wuhang1 + s.wuhang2 + b.wuhang + (c ? c->wuhang : QString());
    case ListColumn::Strokes: {
        QString strokes = QString::number(s.S1);
        if (s.S2 > 0) strokes += u',' + QString::number(s.S2);
        strokes += u',' + QString::number(b.bh);
        if (c) strokes += u',' + QString::number(c->bh);
        return strokes;
    }
    case ListColumn::Grids: return row.combination.wg;
    case ListColumn::Talents: return row.combination.sc;
    case ListColumn::Score: return QString::number(row.combination.zf);
    }
    return {};
}

QStringList cellTexts(const NameRow& row)
{
    QStringList all;
    all.reserve(kListColumnCount);
    for (int c = 0; c < kListColumnCount; ++c) all << cellText(row, ListColumn(c));
    return all;
}

QString pickLine(const NameRow& row)
{
    return row.surname + row.givenName() + u'(' + QString::number(row.score()) + u')';
}
