#include "state/utf8.h"

namespace fontedit::state {
namespace {

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

Utf8Sequence utf8Sequence(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) return {.codePoint = lead, .length = 1, .formed = true, .valid = true};
    if (lead < 0xC0 || lead >= 0xF8) return {};
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (bytes.size() < length) return {};
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(bytes[i])) return {};
        codePoint = codePoint << 6 | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const bool valid = codePoint >= kShortest[length] && !surrogate && codePoint <= 0x10FFFF;
    return {.codePoint = codePoint, .length = length, .formed = true, .valid = valid};
}

std::string utf8Bytes(char32_t codePoint) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    const auto continuation = [&byte](char32_t bits) { return byte(0x80 | (bits & 0x3F)); };
    if (codePoint < 0x80) return {byte(codePoint)};
    if (codePoint < 0x800) return {byte(0xC0 | codePoint >> 6), continuation(codePoint)};
    if (codePoint < 0x10000) {
        return {byte(0xE0 | codePoint >> 12), continuation(codePoint >> 6),
                continuation(codePoint)};
    }
    return {byte(0xF0 | codePoint >> 18), continuation(codePoint >> 12),
            continuation(codePoint >> 6), continuation(codePoint)};
}

}  // namespace fontedit::state
