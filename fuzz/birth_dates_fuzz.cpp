// Reading a birth row's date boxes and hour item: a birth row, one field a line.
#include "fuzz_input.h"

#include "calendar/birth_dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList f = fuzzFields(data, size, 7);
    const BirthInfo birth = fuzzBirth(f, 0);
    readBirthDates(birth);
    hourNumberText(birth.hour);
    hourNumberOf(birth.hour);
    return 0;
}
