#include "state/failure.h"

#include <cstdio>

namespace fontedit::state {
namespace {

// The length of the valid UTF-8 sequence of a printable character at `pos`, or 0.
std::size_t printableUtf8Length(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(pos);
    if (lead >= 0x20 && lead < 0x7F) return 1;
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(pos + i) & 0x3F);
    }
    const bool overlong =
        (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const bool c1Control = codePoint >= 0x80 && codePoint < 0xA0;
    if (overlong || surrogate || c1Control || codePoint > 0x10FFFF) return 0;
    return length;
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
