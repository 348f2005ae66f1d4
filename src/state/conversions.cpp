#include "state/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "state/failure.h"

namespace fontedit::state {
namespace {

// Blanks are skipped wherever they stand in a number, as the classic number reader does,
// so " 7F" reads as 127 rather than 0.
std::string withoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') out.push_back(ch);
    }
    return out;
}

int digitValue(char ch, int radix) {
    int value = -1;
    if (ch >= '0' && ch <= '9') value = ch - '0';
    if (ch >= 'a' && ch <= 'f') value = ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') value = ch - 'A' + 10;
    return value < radix ? value : -1;
}

// Reads the digits of `radix` at the start of `text` and gives them as a signed integer:
// values that fit 16 bits (by digit count for hex, by value for octal) are 16-bit two's
// complement, the rest 32-bit; digits beyond 32 bits push the high ones out.
double readRadixInteger(std::string_view text, int radix) {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    bool wide = false;
    for (char ch : text) {
        const int digit = digitValue(ch, radix);
        if (digit < 0) break;
        const std::uint64_t next = std::uint64_t{value} * radix + digit;
        if (next > 0xFFFF) wide = true;
        value = static_cast<std::uint32_t>(next);
        ++digits;
    }
    if (radix == 16) wide = digits > 4;
    if (!wide) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(value);
}

// Length of the decimal number at the start of `text`: sign, digits, point, digits, and an
// exponent only when at least one digit follows its letter and sign.
std::size_t decimalLength(std::string_view text) {
    std::size_t pos = 0;
    auto isDigit = [&](std::size_t at) {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    };
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t mantissaDigits = 0;
    while (isDigit(pos)) ++pos, ++mantissaDigits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (isDigit(pos)) ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (isDigit(exponent)) {
            while (isDigit(exponent)) ++exponent;
            pos = exponent;
        }
    }
    return pos;
}

bool startsWithPrefix(std::string_view text, char letter) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == letter || text[1] == letter + 32);
}

// Written with to_chars rather than printf so that the locale the window sets up cannot turn
// the decimal point into a comma.
std::string generalText(double number) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& ch : text) {
        if (ch == 'e') ch = 'E';
    }
    return text;
}

}  // namespace

double columnValue(std::string_view text) {
    return readRadixInteger(withoutBlanks(text), 16);
}

double codeNumber(std::string_view text) {
    std::string compact = withoutBlanks(text);
    std::string_view view = compact;
    if (startsWithPrefix(view, 'H')) return readRadixInteger(view.substr(2), 16);
    if (startsWithPrefix(view, 'O')) return readRadixInteger(view.substr(2), 8);

    std::string number(view.substr(0, decimalLength(view)));
    if (number.empty()) return 0;
    for (char& ch : number) {
        if (ch == 'd' || ch == 'D') ch = 'e';
    }
    double value = 0;
    const auto result = std::from_chars(number.data() + (number[0] == '+' ? 1 : 0),
                                        number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when out of range: a negative exponent means the
        // number is too small to hold, which is as good as zero; otherwise it is too large.
        const auto exponent = number.find('e');
        if (exponent != std::string::npos && number.find('-', exponent) != std::string::npos) {
            return 0;
        }
        throw Failure(Cause::Overflow, {.value = std::string(text)});
    }
    return value;
}

std::int32_t wholeNumber(double number) {
    const double rounded = std::nearbyint(number);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw Failure(Cause::Overflow, {.value = generalText(number)});
    }
    return static_cast<std::int32_t>(rounded);
}

double powerOfTwo(int row) {
    return std::pow(2.0, row);
}

bool bitTest(int row, double columnValue) {
    return (wholeNumber(powerOfTwo(row)) & wholeNumber(columnValue)) != 0;
}

std::optional<std::uint64_t> hexNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == text.npos) return 0;
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string hexText(double number) {
    const std::int32_t whole = wholeNumber(number);
    std::uint32_t bits = static_cast<std::uint32_t>(whole);
    if (whole < 0 && whole >= -32768) bits &= 0xFFFF;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", bits);
    return buffer;
}

std::string codeText(double number) {
    return number == 0 ? "0" : generalText(number);
}

std::string rowNumberText(std::int32_t code) {
    return code < 0 ? std::to_string(code) : " " + std::to_string(code);
}

}  // namespace fontedit::state
