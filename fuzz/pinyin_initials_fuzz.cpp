// Spelling in Latin letters: the first byte chooses the options and the length limit, the rest is
// the text, spelled both as GBK bytes and as UTF-8 text.
#include "fuzz_input.h"

#include "tools/pinyin_initials.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t choice = data[0];
    const InitialsOptions options{(choice & 1) != 0, (choice & 2) != 0, (choice & 4) != 0};
    const int maxLength = (choice >> 3) - 2;  // -2 … 29, so zero and negative limits are tried too
    PinyinInitials(fuzzBytes(data + 1, size - 1), options, maxLength);
    PinyinInitials(fuzzFields(data + 1, size - 1, 1)[0], options, maxLength);
    return 0;
}
