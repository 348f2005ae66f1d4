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
    NotAGlyph = 1004,
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
