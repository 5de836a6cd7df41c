// The number windows: the whole input is the typed number, read as a QQ number, as any number and
// as a mobile number (whose row is looked up).
#include "fuzz_input.h"

#include "tools/number_reading.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    useBuiltDatabases();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString number = fuzzFields(data, size, 1)[0];
    NumberReading(number);
    numberFortune(number, true);
    numberFortune(number, false);
    shoujiinfostr(number);
    mobileFortune(number);
    return 0;
}
