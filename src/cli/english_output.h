#pragma once

// What fontedit-cli tells the user on standard error, in English.
#include <filesystem>
#include <functional>
#include <string>

#include "formats/font_import.h"
#include "messages/worded.h"
#include "state/failure.h"

namespace fontedit::cli {

// A failure of `action` that names no file is thrown again naming `file`, for the formats
// that read bytes without knowing where they came from.
void inFile(const std::string& file, const std::function<void()>& action);

// "file:line: what" for a note of an import that succeeded.
std::string englishNote(const std::string& file, const formats::ImportNote& note);

// "dir/name", or the bare name for the working directory.
std::string displayPath(const std::filesystem::path& dir, const std::string& name);

}  // namespace fontedit::cli
