// The name compatibility test: the input's bytes as a GBK name, and as UTF-8 text two names, one
// a line.
#include "fuzz_input.h"

#include "tools/name_compatibility.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StrokeTotal(fuzzBytes(data, size));
    const QStringList f = fuzzFields(data, size, 2);
    StrokeTotal(f[0]);
    compatibilityTest(f[0], f[1]);
    return 0;
}
