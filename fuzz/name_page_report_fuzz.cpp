// The detailed name analysis page's report: surname, given name and a birth row, one field a line.
#include "fuzz_input.h"

#include "numerology/name_page_report.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    useBuiltDatabases();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList f = fuzzFields(data, size, 9);
    buildNamePageReport({f[0], f[1], fuzzBirth(f, 2)}, QDate(2024, 6, 1));
    readingLine(f[0], f[1]);
    return 0;
}
