#pragma once

// The value of a preprocessor condition, "#if STYLE == BOLD", as the compiler reads it at
// that point of the file: object-like macros expanded in full, names the file does not define
// counting as 0, and C's integer arithmetic. What the file alone cannot tell, such as a
// function-like macro or a header's name, is left undecided rather than guessed.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace fontedit::formats {

// The characters of C's names and numbers, as the tokenizer and the conditions read them.
inline bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
inline bool isIdentifierStart(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_';
}
inline bool isIdentifierPart(char ch) {
    return isIdentifierStart(ch) || isDigit(ch);
}

// The macros of one source as its directives define them, each macro's value worked out once
// and kept until a definition it depends on changes, so that a long macro named by many
// conditions costs its length once. All work is counted against a budget in proportion to the
// source; a file spending more fails with MacrosTooCostly.
class Macros {
public:
    explicit Macros(std::size_t sourceSize);
    Macros(const Macros&) = delete;
    Macros& operator=(const Macros&) = delete;

    void define(std::string_view name, std::string_view body, bool functionLike);
    void undefine(std::string_view name);
    bool defined(std::string_view name) const { return bodies_.contains(name); }

    // Nothing when the condition cannot be decided from the file alone.
    std::optional<bool> condition(std::string_view text);

private:
    friend class Evaluator;
    struct Body {
        std::string_view text;
        bool functionLike = false;
        bool atomic = false;  // a single operand, whose value stands for its text anywhere
    };
    struct Value {
        std::int64_t number = 0;
        bool isUnsigned = false;
    };
    void spend(std::size_t steps);
    void forget(std::string_view name);

    std::map<std::string_view, Body> bodies_;
    std::map<std::string_view, Value> values_;
    // name -> the macros whose kept values were worked out from it
    std::map<std::string_view, std::vector<std::string_view>> dependents_;
    std::size_t budget_;
};

// The value of an integer constant expression of constants alone, such as "(2 - 2)".
std::optional<std::int64_t> constantValue(std::string_view expression);

}  // namespace fontedit::formats
