// The net-name test: the whole input is the typed nickname.
#include "fuzz_input.h"

#include "tools/net_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString nickname = fuzzFields(data, size, 1)[0];
    NetNamePersonality(nickname);
    netNameTest(nickname);
    return 0;
}
