#include "window/library_function.h"

#include <dlfcn.h>

namespace fontedit::window {

// Never closed: Qt's own plugins go on to use the same libraries.
void* librarySymbol(const char* soname, const char* name) {
    void* library = dlopen(soname, RTLD_LAZY | RTLD_LOCAL);
    return library == nullptr ? nullptr : dlsym(library, name);
}

}  // namespace fontedit::window
