#include "state/joined.h"

namespace fontedit::state {

std::string joined(std::span<const std::string> items, std::string_view joint,
                   std::string_view lastJoint) {
    if (lastJoint.empty()) lastJoint = joint;
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        list += i == 0 ? "" : i + 1 == items.size() ? lastJoint : joint;
        list += items[i];
    }
    return list;
}

}  // namespace fontedit::state
