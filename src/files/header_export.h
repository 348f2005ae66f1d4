#pragma once

// "font.h": the font as a C table for another program, in CP932 with CRLF line ends. The
// cells go in as they stand; the user finishes the file by hand, as its last line says.
#include <filesystem>
#include <string>

#include "files/font_data.h"
#include "state/editor_state.h"

namespace fontedit::files {

inline constexpr const char* kHeaderFileName = "font.h";

std::string headerBytes(const FontData& data);

// "Cヘッダ生成": writes the header atomically and changes nothing else.
void exportHeader(const state::EditorState& state, const std::filesystem::path& dir);

}  // namespace fontedit::files
