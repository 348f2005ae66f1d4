// Arbitrary text through every conversion, as a column field and as the code field.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "state/conversions.h"
#include "state/editor_state.h"
#include "state/failure.h"

namespace fontedit::fuzz {
namespace {

using state::Cause;
using state::Failure;

bool isWhole32(double number) {
    return number == std::trunc(number) && number >= -2147483648.0 && number <= 2147483647.0;
}

void checkColumnText(std::string_view text) {
    const double value = state::columnValue(text);
    require(isWhole32(value), "a column value is a 32-bit integer");
    require(value == state::codeNumber("&H" + std::string(text)),
            "a column value reads as the code number of the text after \"&H\"");

    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    for (int row = 0; row < state::kGlyphRows; ++row) {
        require(state::bitTest(row, value) == (((bits >> row) & 1) != 0),
                "the bit test lights exactly the set bits");
    }

    const std::string hex = state::hexText(value);
    require(!hex.empty() && (hex == "0" || hex[0] != '0'), "hex text has no leading zeros");
    require(hex.find_first_not_of("0123456789ABCDEF") == std::string::npos,
            "hex text is upper-case hex digits");
    // Four digits are read back as 16 bits, so 8000-FFFF come back negative.
    const double wrapped = value >= 32768 && value <= 65535 ? value - 65536 : value;
    require(state::columnValue(hex) == wrapped, "hex text reads back as the same column value");
}

void checkWholeNumber(double number) {
    std::int32_t whole = 0;
    try {
        whole = state::wholeNumber(number);
    } catch (const Failure& failure) {
        require(failure.cause() == Cause::Overflow, "whole number fails only with an overflow");
        require(!isWhole32(std::nearbyint(number)), "whole number fails only outside 32 bits");
        return;
    }
    const double distance = std::fabs(whole - number);
    require(distance < 0.5 || (distance == 0.5 && whole % 2 == 0),
            "whole number rounds to the nearest, half to even");
    require(state::wholeNumber(whole) == whole, "the whole number of an integer is itself");
}

void checkCurrentCode(std::string_view text, double number) {
    state::EditorState editorState;
    editorState.codeField().setText(std::string(text));
    int code = 0;
    try {
        code = editorState.currentCode();
    } catch (const Failure& failure) {
        const bool inRange = isWhole32(std::nearbyint(number)) && std::nearbyint(number) >= 0 &&
                             std::nearbyint(number) <= 100;
        require(!inRange && (failure.cause() == Cause::CodeOutOfRange ||
                             failure.cause() == Cause::Overflow),
                "the current code fails only outside 0-100");
        return;
    }
    require(code == state::wholeNumber(number), "the current code is the rounded code number");
}

// The text Next and Previous write must read back as the number they meant.
void checkCodeTextReadsBack(double number) {
    const std::string text = state::codeText(number);
    const double back = state::codeNumber(text);
    if (std::fabs(number) < 1e15 && number == std::trunc(number)) {
        require(back == number, "the code text of an integer reads back exactly");
    } else if (std::isnormal(number)) {
        require(std::fabs(back - number) <= 1e-14 * std::fabs(number),
                "the code text reads back to 15 significant digits");
    }
}

void checkCodeText(std::string_view text) {
    double number = 0;
    try {
        number = state::codeNumber(text);
    } catch (const Failure& failure) {
        require(failure.cause() == Cause::Overflow, "a code number fails only with an overflow");
        return;
    }
    require(std::isfinite(number), "a code number is finite");
    checkWholeNumber(number);
    checkCurrentCode(text, number);
    checkCodeTextReadsBack(number);
    checkCodeTextReadsBack(number + 1);
    checkCodeTextReadsBack(number - 1);
}

}  // namespace
}  // namespace fontedit::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fontedit::fuzz::checkColumnText(text);
    fontedit::fuzz::checkCodeText(text);
    return 0;
}
