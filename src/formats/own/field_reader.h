#pragma once

// Reads the fields of "fntdat.txt" in order, whatever the line structure: blanks before a
// field are skipped, a field ends at a comma or a line end (both consumed), and a field that
// begins with a double quotation mark runs to the next one. Trailing blanks of an unquoted
// field are kept, so that a cell ending in a blank comes back from Save unchanged.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fontedit::formats {

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // True when no field is left; a comma always promises one more, possibly empty, field.
    bool atEnd() const { return pos_ >= text_.size() && !afterComma_; }
    // The next field, or nothing at the end of the text.
    std::optional<std::string> next();
    // The 1-based line where the last field started.
    int line() const { return fieldLine_; }

private:
    void skipBlanks();
    std::string quoted();
    std::string unquoted();
    void skipToFieldEnd();
    // Consumes the comma or line end that closes a field, if one is there.
    void closeField();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;
    int line_ = 1;
    int fieldLine_ = 0;
};

}  // namespace fontedit::formats
