#pragma once

// The tokens of C source as a table importer needs them: comments dropped, "#if 0" regions
// skipped, other conditionals kept as tokens of their own, and "#define NAME 123" remembered.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::formats {

struct CToken {
    enum class Kind : std::uint8_t {
        Identifier,
        Number,
        Character,
        String,
        Punctuator,
        Conditional
    };
    std::string_view text;  // for a conditional, its directive line
    int line;               // 1-based
    Kind kind;
    bool is(char p) const { return kind == Kind::Punctuator && text == std::string_view(&p, 1); }
};

struct CTokens {
    std::vector<CToken> tokens;
    std::map<std::string_view, std::string_view> numberMacros;  // name -> number token
};

// Fails with CommentNotClosed or IfNotClosed, naming the line where it opened.
CTokens cTokens(std::string_view source);

}  // namespace fontedit::formats
