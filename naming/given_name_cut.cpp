#include "given_name_cut.h"

#include "data/gbk_text.h"

namespace {

constexpr int kGivenNameMaxBytes = 20;

// text without its first `bytes` GB bytes, counted in whole characters.
QString dropLeadingBytes(const QString& text, int bytes)
{
    const QString head = gbkLeft(text, bytes);
    int dropped = gbkByteLength(head);
    QString rest = text.mid(head.size());
    if (dropped < bytes && !rest.isEmpty()) rest.remove(0, rest.at(0).isHighSurrogate() ? 2 : 1);
    return rest;
}

}  // namespace

QString nameOfResultLine(const QString& line)
{
    const qsizetype paren = line.indexOf(u'(');
    return paren < 0 ? line : line.left(paren);
}

QString givenNameAfterSurname(const QString& name, const QString& surnameBox)
{
    const QString rest = dropLeadingBytes(name, gbkByteLength(surnameBox.trimmed()));
    return gbkLeft(rest, kGivenNameMaxBytes).trimmed();
}
