// The elements a birth row's chart lacks, and the elements missing from a typed text: a birth row,
// one field a line.
#include "fuzz_input.h"

#include "calendar/missing_elements.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    useBuiltDatabases();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList f = fuzzFields(data, size, 7);
    ComputeMissingElements(fuzzBirth(f, 0));
    ElementsNotIn(f.join(QString()));
    return 0;
}
