#include "char_dictionary.h"

#include "failure.h"
#include "query.h"

int CharStrokes(const QString& ch)  // quiet lookup: 0 when absent or unreadable
{
    return quietLookup(0, [&] {
        Query q(Db::Velmora);
        if (int bh = q.scalarInt("select bh from word where zi = ? limit 1", ch)) return bh;
        return q.scalarInt("select bh from word where ft = ? limit 1", ch);
    });
}

QString CharPinyin(const QString& ch)  // quiet lookup: empty when absent or unreadable
{
    QString reading = quietLookup(QString(), [&] {
        Query q(Db::Velmora);
        QString text = q.scalarText("select pinyin from word where zi = ? limit 1", ch);
        if (text.isEmpty()) text = q.scalarText("select pinyin from word where ft = ? limit 1", ch);
        return text;
    });
    const qsizetype sep = reading.indexOf(u'、');
    return sep < 0 ? reading : reading.left(sep);
}

void HzwhElement(const QString& ch, QString& element)  // quiet lookup: output unchanged on failure
{
    element = quietLookup(element, [&] {
        Query q(Db::Tgcode);
        q.open("select wh from hzwh where hz like ? limit 1", u'%' + ch.trimmed() + u'%');
        return q.isEmpty() ? QString() : q.field(0).asText().trimmed();
    });
}

QString HzwhElement(const QString& ch)
{
    QString element;
    HzwhElement(ch, element);
    return element;
}

QString CharElement(const QString& ch)  // quiet lookup: empty when absent or unreadable
{
    return quietLookup(QString(), [&] {
        Query q(Db::Velmora);
        QString wh = q.scalarText("select wuhang from word where zi = ? limit 1", ch).trimmed();
        if (wh.isEmpty()) wh = q.scalarText("select wuhang from word where ft = ? limit 1", ch).trimmed();
        return wh;
    });
}
