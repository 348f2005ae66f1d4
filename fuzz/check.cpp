#include "check.h"

#include <cstdio>
#include <cstdlib>

namespace fontedit::fuzz {

void require(bool holds, std::string_view property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()),
                 property.data());
    std::abort();
}

}  // namespace fontedit::fuzz
