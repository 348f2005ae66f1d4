#pragma once

// Line ends as the editor's files may hold them: written as CRLF, read as CRLF, LF or CR.
#include <cstddef>
#include <string_view>
#include <vector>

namespace fontedit::formats {

inline constexpr std::string_view kLineEnd = "\r\n";

// The length of the line end starting at `pos`: 2 for CRLF, 1 for a lone CR or LF, else 0.
std::size_t lineEndLength(std::string_view text, std::size_t pos);

// The first `most` lines without their line ends; a last line without a line end counts
// when it holds anything.
std::vector<std::string_view> splitLines(std::string_view text, std::size_t most);

}  // namespace fontedit::formats
