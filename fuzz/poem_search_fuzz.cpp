// The poem browser's search: the whole input is the filter text, matched in the tree and in the
// poems of an author that the filter keeps.
#include "fuzz_input.h"

#include "naming/poem_library.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    useBuiltDatabases();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString filter = fuzzFields(data, size, 1)[0];
    const QList<PoemDynasty> tree = BuildPoemTree(filter);
    if (!tree.isEmpty() && !tree.first().authors.isEmpty()) AuthorPoems(tree.first().authors.first().number, filter);
    return 0;
}
