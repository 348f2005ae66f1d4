// Arbitrary bytes as "fntdat.txt" and "mojidat.txt", read by the editor's Read: it either loads
// them or fails with a documented cause and leaves the tables as they were.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "read_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::FontFiles bytes;
    bytes.font = input.ConsumeRandomLengthString();
    bytes.labels = input.ConsumeRemainingBytesAsString();
    fuzz::checkRead(bytes, fuzz::parse(bytes.font, bytes.labels));
    return 0;
}
