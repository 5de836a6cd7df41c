#include "birth_details.h"

namespace {

bool sameBirth(const BirthInfo& a, const BirthInfo& b)
{
    return a.sex == b.sex && a.calendarKind == b.calendarKind && a.year == b.year && a.month == b.month &&
           a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

}  // namespace

BirthDetails& BirthDetails::shared()
{
    static BirthDetails details;
    return details;
}

void BirthDetails::enter(const std::optional<QString>& surname, const BirthInfo& birth)
{
    bool news = false;
    if (surname && surname != surname_) {
        surname_ = surname;
        news = true;
    }
    if (!birth_ || !sameBirth(*birth_, birth)) {
        birth_ = birth;
        news = true;
    }
    if (news) emit changed();
}

void BirthDetails::forget()
{
    surname_.reset();
    birth_.reset();
}
