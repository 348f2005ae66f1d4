#pragma once

// Every failure of an action: a stable cause the window and the CLI word for their readers
// and the tests assert on, and the typed facts of what went wrong. No sentence is built here.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fontedit::state {

// The numbers follow the classic BASIC runtime errors where one fits, so that users who
// know those numbers recognise them; the others have numbers of their own, grouped by area.
enum class Cause : int {
    Overflow = 6,
    CodeOutOfRange = 9,
    FileNotFound = 53,
    WriteFailed = 61,
    PastEndOfFile = 62,
    PermissionDenied = 70,
    FileAccess = 75,
    InvalidCp932 = 1001,
    NotRepresentable = 1002,
    MovesLaterTexts = 1003,
    FileTooLarge = 1004,
    // Exporting and rendering.
    CellNotAByte = 1300,
    NoGlyphForCharacter = 1301,
};

// What a failure is about. Each cause fills the facts it has and leaves the rest empty.
struct Facts {
    std::string file{};  // the file's path as the program was given it
    int line = 0;        // 1-based line in `file`; 0 when none
    // The glyph code; for CodeOutOfRange the code that is out of range.
    std::optional<int> code{};
    // The glyph column 1-5; a code without a column means that code's label.
    std::optional<int> column{};
    std::string value{};  // the offending text or bytes as found, unescaped
    int error = 0;        // the system's errno, 0 when none
};

class Failure : public std::runtime_error {
public:
    Failure(Cause cause, Facts facts);

    Cause cause() const { return cause_; }
    int number() const { return static_cast<int>(cause_); }
    const Facts& facts() const { return facts_; }
    // A layer that knows more than the thrower, such as the folder a file lies in, adds it
    // before passing the failure on.
    Facts& facts() { return facts_; }

private:
    Cause cause_;
    Facts facts_;
};

// Bytes shown in a message: printable ASCII and valid UTF-8 as they are, a backslash as
// "\\", every other byte as "\xNN", so that no input can reach a terminal or a dialog raw.
std::string escapedBytes(std::string_view bytes);

}  // namespace fontedit::state
