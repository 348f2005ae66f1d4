#pragma once

// What fontedit-cli tells the user on standard error, in English.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::cli {

// A fault in the user's files found by the CLI itself; reported with exit status 1.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "file:line: what", with every byte that came from input escaped.
std::string englishMessage(const state::Failure& failure);

// A failure of `action` that names no file is thrown again naming `file`, for the formats
// that read bytes without knowing where they came from.
void inFile(const std::string& file, const std::function<void()>& action);

// "file:line: what" for a note of an import that succeeded.
std::string englishNote(const std::string& file, const formats::ImportNote& note);

// The places the CLI names in its messages.
std::string cellPlace(int code, int column);
std::string labelPlace(int code);

// "dir/name", or the bare name for the working directory.
std::string displayPath(const std::filesystem::path& dir, const std::string& name);

}  // namespace fontedit::cli
