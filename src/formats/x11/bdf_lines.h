#pragma once

// BDF's text as both its readers walk it, the classic cell's and the bitmap font's own file:
// line by line without line ends and the blanks around them, word by word, each fault with
// the line it stands on.
#include <cstddef>
#include <string>
#include <string_view>

namespace fontedit::formats {

// Far beyond any font, yet small enough that sums of a few never overflow.
inline constexpr long long kLargestBdfNumber = 1'000'000'000;

std::string_view withoutByteOrderMark(std::string_view bytes);
std::string_view bdfTrimmed(std::string_view text);
// A property's string value without its quotes, a doubled quote within as one.
std::string bdfUnquoted(std::string_view text);
// Text of the file as a failure shows it: its first 60 bytes.
std::string bdfShown(std::string_view text);

// The family field of an X logical font description, as BDF's FONT and PCF's FONT property
// hold it, or the whole name of any other.
std::string xlfdFamily(std::string_view name);

struct BdfBox {
    long long width = 0, height = 0, left = 0, bottom = 0;
};

class BdfLines {
public:
    enum class Comments { Lines, Skipped };
    // Offsets count from the start of `bytes`, a byte order mark included.
    BdfLines(std::string_view bytes, Comments comments);

    // The next line; false, with an empty line at the end of the bytes, past the last.
    bool next();
    // Goes back to the line starting at `at`, one read before; line numbers no longer hold.
    void seek(std::size_t at) { pos_ = at; }
    std::string_view content() const { return content_; }
    std::string_view keyword() const { return content_.substr(0, content_.find_first_of(" \t\r")); }
    // The next word of the line, the keyword first; then what follows the words taken.
    std::string_view word();
    std::string_view rest() const { return words_; }
    // The next word as a whole number within kLargestBdfNumber, else BdfSyntax.
    long long number();
    // The four numbers after the keyword; BdfSyntax for a negative size.
    BdfBox box();
    // The line as shown in a failure.
    std::string shown() const;
    [[noreturn]] void malformed() const;

    // The next line as a row of `width` dots in hex digits, else BitmapRow: the rows ran out
    // or reached ENDCHAR, or the line is too short.
    void nextRow(long long width);
    // Digit `index` of the row, else BitmapRow.
    int rowDigit(std::size_t index) const;

    int line() const { return line_; }
    std::size_t lineBegin() const { return lineBegin_; }
    std::size_t lineEnd() const { return lineEnd_; }  // before "\r\n" or "\n"
    std::size_t after() const { return pos_; }        // past the line end

private:
    std::string_view bytes_;
    Comments comments_;
    std::size_t pos_ = 0, lineBegin_ = 0, lineEnd_ = 0;
    int line_ = 0;
    std::string_view content_, words_;
};

}  // namespace fontedit::formats
