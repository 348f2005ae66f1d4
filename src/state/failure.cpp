#include "state/failure.h"

#include <cstdio>

#include "state/utf8.h"

namespace fontedit::state {
namespace {

// The length of the valid UTF-8 sequence of a printable character at `pos`, or 0.
std::size_t printableUtf8Length(std::string_view bytes, std::size_t pos) {
    const Utf8Sequence sequence = utf8Sequence(bytes.substr(pos));
    const char32_t c = sequence.codePoint;
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    return sequence.valid && !control ? sequence.length : 0;
}

// Escapes up to `most` shown characters; true when all of `bytes` was shown.
bool escapeInto(std::string& escaped, std::string_view bytes, std::size_t most) {
    std::size_t shown = 0;
    for (std::size_t pos = 0; pos < bytes.size(); ++shown) {
        if (shown == most) return false;
        if (bytes[pos] == '\\') {
            escaped += "\\\\";
            ++pos;
        } else if (const std::size_t length = printableUtf8Length(bytes, pos)) {
            escaped.append(bytes.substr(pos, length));
            pos += length;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(bytes[pos]));
            escaped += hex;
            ++pos;
        }
    }
    return true;
}

}  // namespace

Failure::Failure(Cause cause, Facts facts)
    : std::runtime_error("fontedit failure " + std::to_string(static_cast<int>(cause))),
      cause_(cause),
      facts_(std::move(facts)) {}

std::string escapedBytes(std::string_view bytes) {
    std::string escaped;
    escapeInto(escaped, bytes, std::string_view::npos);
    return escaped;
}

std::string shortenedValue(std::string_view bytes) {
    constexpr std::size_t kMostShown = 80;
    std::string escaped;
    if (!escapeInto(escaped, bytes, kMostShown)) escaped += "…";
    return escaped;
}

}  // namespace fontedit::state
