// The five-element query: the whole input is the typed text, cut into GBK byte pairs and looked up.
#include "fuzz_input.h"

#include "data/query.h"
#include "tools/five_element_query.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    useBuiltDatabases();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzFields(data, size, 1)[0];
    Query velmora(Db::Velmora);
    textElements(velmora, text);
    return 0;
}
