#include "formats/c/c_constants.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

namespace fontedit::formats {
namespace {

int digitValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
    return 99;
}

// Digits of `base` only, at least one; separators are already gone.
std::optional<std::uint64_t> digitsValue(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char ch : digits) {
        const int digit = digitValue(ch);
        if (digit >= base) return std::nullopt;
        if (__builtin_mul_overflow(value, static_cast<std::uint64_t>(base), &value) ||
            __builtin_add_overflow(value, static_cast<std::uint64_t>(digit), &value)) {
            value = std::numeric_limits<std::uint64_t>::max();
        }
    }
    return value;
}

struct Escape {
    std::size_t length;  // its backslash included
    std::optional<std::uint64_t> value;
};

// The escape `text` opens with: up to three octal digits, every hex digit after "\\x", or one
// character, read in one pass, as a font's string holds an escape for most of its bytes.
Escape readEscape(std::string_view text) {
    if (text.size() < 2) return {text.size(), std::nullopt};
    const char kind = text[1];
    if (kind >= '0' && kind <= '7') {
        std::size_t end = 1;
        std::uint64_t value = 0;
        while (end < text.size() && end < 4 && text[end] >= '0' && text[end] <= '7') {
            value = value * 8 + static_cast<std::uint64_t>(text[end++] - '0');
        }
        return {end, value};
    }
    if (kind == 'x') {
        std::size_t end = 2;
        while (end < text.size() && digitValue(text[end]) < 16) ++end;
        return {end, digitsValue(text.substr(2, end - 2), 16)};
    }
    constexpr std::string_view kNames = "abfnrtv\\'\"?";
    constexpr unsigned char kValues[] = {7, 8, 12, 10, 13, 9, 11, '\\', '\'', '"', '?'};
    const std::size_t at = kNames.find(kind);
    if (at == std::string_view::npos) return {2, std::nullopt};
    return {2, kValues[at]};
}

}  // namespace

std::optional<std::uint64_t> integerConstant(std::string_view token) {
    // Copied only to drop digit separators: every value of every table comes through here.
    std::string digits;
    if (token.find('\'') != std::string_view::npos) {
        std::remove_copy(token.begin(), token.end(), std::back_inserter(digits), '\'');
        token = digits;
    }
    const std::size_t suffix = token.find_last_not_of("uUlL") + 1;
    std::string_view number = token.substr(0, suffix);
    if (number.empty() || digitValue(number[0]) > 9) return std::nullopt;
    if (number.size() > 1 && number[0] == '0') {
        const char prefix = number[1] | 0x20;
        if (prefix == 'x') return digitsValue(number.substr(2), 16);
        if (prefix == 'b') return digitsValue(number.substr(2), 2);
        return digitsValue(number.substr(1), 8);
    }
    return digitsValue(number, 10);
}

std::optional<std::uint64_t> characterConstant(std::string_view token) {
    if (token.size() < 3 || token.front() != '\'' || token.back() != '\'') return std::nullopt;
    const std::string_view body = token.substr(1, token.size() - 2);
    if (body[0] != '\\') {
        if (body.size() != 1) return std::nullopt;
        return static_cast<unsigned char>(body[0]);
    }
    const Escape escape = readEscape(body);
    return escape.length == body.size() ? escape.value : std::nullopt;
}

std::optional<std::string> stringLiteral(std::string_view token) {
    if (token.size() < 2 || token.front() != '"' || token.back() != '"') return std::nullopt;
    std::string_view body = token.substr(1, token.size() - 2);
    std::string bytes;
    bytes.reserve(body.size());
    while (!body.empty()) {
        // The bytes up to the next escape at once: a font's string is mostly plain text.
        const std::size_t plain = std::min(body.find('\\'), body.size());
        bytes.append(body.substr(0, plain));
        body.remove_prefix(plain);
        if (body.empty()) break;
        const Escape escape = readEscape(body);
        if (!escape.value || *escape.value > 0xFF) return std::nullopt;
        bytes += static_cast<char>(*escape.value);
        body.remove_prefix(escape.length);
    }
    return bytes;
}

std::optional<std::uint64_t> arduinoBinary(std::string_view identifier) {
    if (identifier.size() < 2 || identifier.size() > 9 || identifier[0] != 'B') {
        return std::nullopt;
    }
    return digitsValue(identifier.substr(1), 2);
}

}  // namespace fontedit::formats
