// A shortlist file as anyone may hand one over: the input's bytes are the file. Whatever it holds,
// the names read back are written and read again unchanged.
#include "fuzz_input.h"

#include "naming/shortlist_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ShortlistFileRead read = parseShortlistText(fuzzBytes(data, size), QStringLiteral("王"));
    const ShortlistFileRead again = parseShortlistText(shortlistFileText(read.names), QStringLiteral("王"));
    if (again.skipped != 0 || again.names.size() != read.names.size()) std::abort();
    for (size_t i = 0; i < read.names.size(); ++i)
        if (again.names[i].fullName() != read.names[i].fullName() || again.names[i].source != read.names[i].source.simplified())
            std::abort();
    return 0;
}
