// A plan item read back, as a one- and as a two-character given name: the whole input is the item.
#include "fuzz_input.h"

#include "naming/stroke_plans.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString item = fuzzFields(data, size, 1)[0];
    ReadStrokePlan(item, NameLength::Single);
    ReadStrokePlan(item, NameLength::Double);
    return 0;
}
