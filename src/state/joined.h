#pragma once

// Texts in a list for a sentence or a help line: "a, b and c", "a; b", "a、b、c".
#include <span>
#include <string>
#include <string_view>

namespace fontedit::state {

// The items between `joint`s, the last two joined by `lastJoint` (by default `joint` too).
std::string joined(std::span<const std::string> items, std::string_view joint,
                   std::string_view lastJoint = {});

}  // namespace fontedit::state
