#pragma once

// The values of the integer constants a C font table is written with.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fontedit::formats {

// Decimal, hexadecimal ("0x"), octal (leading "0") or binary ("0b"), with digit separators
// and integer suffixes. A number too large for 64 bits gives UINT64_MAX.
std::optional<std::uint64_t> integerConstant(std::string_view token);

// 'A', '\n', '\x41', '\101': one character, or one escape, between single quotes.
std::optional<std::uint64_t> characterConstant(std::string_view token);

// "\377A\x41": the bytes of a narrow string literal, without the NUL it ends with.
std::optional<std::string> stringLiteral(std::string_view token);

// Arduino's B0 ... B11111111: "B" and one to eight binary digits.
std::optional<std::uint64_t> arduinoBinary(std::string_view identifier);

}  // namespace fontedit::formats
