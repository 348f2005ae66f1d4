#pragma once

// Every failure of an action: a stable number the window reports and the tests assert on,
// and a description of what went wrong.
#include <stdexcept>
#include <string>

namespace fontedit::state {

// The numbers follow the classic BASIC runtime errors where one fits, so that users who
// know those numbers recognise them; the encoding causes have numbers of their own.
enum class Cause : int {
    Overflow = 6,
    CodeOutOfRange = 9,
    FileNotFound = 53,
    WriteFailed = 61,
    PastEndOfFile = 62,
    FileAccess = 75,
    InvalidCp932 = 1001,
    NotRepresentable = 1002,
    MovesLaterTexts = 1003,
    // Importing a font table from C source.
    NoArray = 1101,            // the source holds no brace-enclosed list
    ArrayNotFound = 1102,      // no array is called `value`
    ArrayWidth = 1103,         // the array on `line` is declared `value` columns wide, not 5
    NoFontArray = 1104,        // no array's shape, length or values fit a 5-column font
    NotAConstant = 1105,       // `value` on `line` is not an integer constant
    NotAByte = 1106,           // the constant `value` on `line` is above 0xFF
    ConditionalInList = 1107,  // the directive `value` on `line` stands inside the list
    ListNotClosed = 1108,      // the list opened on `line` has no closing brace
    CommentNotClosed = 1109,   // the comment opened on `line` has no end
    PartialGlyph = 1110,       // the array on `line` ends `value` values in, inside a glyph
    OffsetPastEnd = 1111,      // the offset lies past the `value` values of the array on `line`
    RowTooLong = 1112,         // a row is longer than the array is wide; `value` is the excess
    IfNotClosed = 1113,        // the "#if 0" on `line` has no "#endif"
    // Importing a BDF font.
    NotBdf = 1201,             // the first line, `value`, is not STARTFONT
    BdfSyntax = 1202,          // line `line`, `value`, has a missing or malformed number
    GlyphTooLarge = 1203,      // glyph `value` (glyph `code`) has dots outside the 5x8 cell
    BitmapRow = 1204,          // line `line`, `value`, is not a bitmap row as wide as the glyph
    BdfNotClosed = 1205,       // glyph `value` from line `line` has no ENDCHAR
    DuplicateEncoding = 1206,  // glyph `value` on `line` takes glyph `code` a second time
    NoGlyphInRange = 1207,     // no glyph is encoded from `value` to `value` + 95
};

class Failure : public std::runtime_error {
public:
    // `subject` names what failed (a value, a code, a file) without any wording around it.
    Failure(Cause cause, std::string subject);

    Cause cause() const { return cause_; }
    int number() const { return static_cast<int>(cause_); }
    const std::string& subject() const { return subject_; }
    // The Japanese description shown to the user; what() returns the same text.
    std::string description() const { return what(); }

private:
    Cause cause_;
    std::string subject_;
};

// The Japanese sentence for a cause and its subject.
std::string describe(Cause cause, const std::string& subject);

}  // namespace fontedit::state
