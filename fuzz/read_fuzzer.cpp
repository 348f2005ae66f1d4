// Arbitrary bytes as "fntdat.txt" and "mojidat.txt", held in memory: the reader either gives a
// font that is written and read again the same, or fails with a documented cause.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "read_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    const std::string fontBytes = input.ConsumeRandomLengthString();
    const std::string labelBytes = input.ConsumeRemainingBytesAsString();
    const fuzz::Parsed parsed = fuzz::parse(fontBytes, labelBytes);
    if (parsed.failure == 0) fuzz::checkWrittenAgain(parsed.data);
    return 0;
}
