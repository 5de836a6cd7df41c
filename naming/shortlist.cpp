#include "shortlist.h"

#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"

QString shortlistLineOf(const ShortlistName& name)
{
    return name.fullName() + u'(' + formatScore(NameScore(name.surname, name.givenName)) + QStringLiteral("分)");
}

int Shortlist::indexOf(const QString& fullName) const
{
    for (int i = 0; i < size(); ++i)
        if (names_[size_t(i)].fullName() == fullName) return i;
    return -1;
}

QStringList Shortlist::shownLines() const
{
    QStringList lines;
    for (const ShortlistName& n : names_) lines << n.shownLine();
    return lines;
}

bool Shortlist::insert(const ShortlistName& name)
{
    if (name.givenName.trimmed().isEmpty() || contains(name.fullName())) return false;
    names_.push_back(name);
    return true;
}

bool Shortlist::add(const ShortlistName& name)
{
    if (!insert(name)) return false;
    emit changed();
    return true;
}

int Shortlist::addAll(const std::vector<ShortlistName>& names)
{
    int added = 0;
    for (const ShortlistName& n : names) added += insert(n) ? 1 : 0;
    if (added > 0) emit changed();
    return added;
}

void Shortlist::remove(int index)
{
    if (index < 0 || index >= size()) return;
    names_.erase(names_.begin() + index);
    emit changed();
}

void Shortlist::clear()
{
    if (names_.empty()) return;
    names_.clear();
    emit changed();
}
