#include "action_script.h"

namespace fontedit::fuzz {

std::string ActionScript::text() {
    std::string out;
    for (int length = choose(32); length > 0 && !done(); --length) {
        out.push_back(static_cast<char>(data_[pos_++]));
    }
    return out;
}

}  // namespace fontedit::fuzz
