#pragma once

// The value of a preprocessor condition, "#if (USE_EXTENDED)", when it can be told from the
// file alone: integer constants, operators, and names, each the value the file defines it as
// or 0 where it does not, as in C.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace fontedit::formats {

// What a name stands for at the condition: its value, 0 where it is not defined there, or
// nothing when its definition is no constant, so that the condition cannot be told. `defined`
// asks only whether it is defined.
struct MacroLookup {
    std::function<std::optional<std::int64_t>(std::string_view name)> value;
    std::function<std::optional<bool>(std::string_view name)> defined;
};

// Nothing when the condition holds anything else, a division by zero among it.
std::optional<bool> conditionValue(std::string_view condition, const MacroLookup& macros);
// The value of an integer constant expression of constants alone, such as a macro's "(2 - 2)".
std::optional<std::int64_t> constantValue(std::string_view expression);

}  // namespace fontedit::formats
