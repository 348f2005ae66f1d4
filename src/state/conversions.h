#pragma once

// The conversions between the texts the fields hold and the numbers an action works with
// for the length of one step. Nothing else in the program parses or formats these values.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fontedit::state {

// Hexadecimal text of a column field, read as if "&H" stood in front of it: 1-4 digits are a
// 16-bit two's-complement value, 5-8 digits a 32-bit one, longer runs keep their low 32 bits.
double columnValue(std::string_view text);

// Decimal text of the code field (sign, fraction, exponent E or D; "&H"/"&O" prefixes);
// 0 where no number stands. Fails with an overflow when the number is beyond a double.
double codeNumber(std::string_view text);

// Rounds half to even; fails with an overflow outside the 32-bit signed range.
std::int32_t wholeNumber(double number);

double powerOfTwo(int row);

bool bitTest(int row, double columnValue);

// Upper-case hex without leading zeros; negative values in 16-bit two's complement down to
// -32768 ("FFFE") and in 32-bit two's complement below that.
std::string hexText(double number);

// Hexadecimal digits and nothing else but blanks around them, as a field of dots holds them; no
// digits is 0. Nothing where any other character stands or the value needs more than 64 bits.
std::optional<std::uint64_t> hexNumber(std::string_view text);

// General decimal form with at most 15 significant digits: "1", "3.5", "-2".
std::string codeText(double number);

// Decimal with the blank a minus sign would take: " 5".
std::string rowNumberText(std::int32_t code);

}  // namespace fontedit::state
