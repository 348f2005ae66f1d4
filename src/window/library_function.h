#pragma once

// A function of a shared library that the program opens when it first needs it instead of
// linking it: every library linked lengthens the search for each of the thousands of symbols
// that the dynamic linker resolves before the window can show.
namespace fontedit::window {

// The symbol `name` of the library `soname`, which stays loaded once opened; nullptr where
// either is missing.
void* librarySymbol(const char* soname, const char* name);

template <typename Function>
Function* libraryFunction(const char* soname, const char* name) {
    return reinterpret_cast<Function*>(librarySymbol(soname, name));
}

}  // namespace fontedit::window
