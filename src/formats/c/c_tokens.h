#pragma once

// The tokens of C source as a table importer needs them: comments dropped, conditionals
// decided as the compiler would and their parts left out skipped, those the file alone cannot
// decide kept as tokens of their own, and "#define NAME 123" remembered.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
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
    Kind kind;
    // By its one byte: a comparison of views goes through memcmp, which the sanitizers intercept,
    // and readers ask this of nearly every token.
    bool is(char p) const { return kind == Kind::Punctuator && text.size() == 1 && text[0] == p; }
};

// The tokens of a source of up to 256 MiB, eight bytes each: a source of a million commas is
// a million tokens, and what each holds is what bounds the memory of an import.
class CTokens {
public:
    // Reserves a token for each byte; the pages are touched only as far as used.
    explicit CTokens(std::string_view source) : source_(source) {
        tokens_.reserve(source.size() + 1);
    }

    std::size_t size() const { return tokens_.size(); }
    CToken operator[](std::size_t at) const {
        const Stored& token = tokens_[at];
        const auto kind = static_cast<CToken::Kind>(token.kind);
        // Within the source by construction; substr's check, called for every token a reader
        // looks at, showed in the fuzzers' profiles.
        return {std::string_view(source_.data() + token.start,
                                 kind == CToken::Kind::Punctuator ? 1 : token.extent),
                kind};
    }
    // The 1-based line the token at `at` starts on.
    int line(std::size_t at) const;
    // The index after the bracket that closes the "(", "[" or "{" at `open`, counting brackets
    // of its kind alone, or size() when none does. Found once for all, so that scanning for
    // it from each of many open brackets costs no time growing with the square of the size.
    std::size_t after(std::size_t open) const {
        return closed(open) ? open + tokens_[open].extent : tokens_.size();
    }
    bool closed(std::size_t open) const { return tokens_[open].extent != 0; }

    // Fails with ConditionUndecided, naming the conditional, when the token at `at` lies in a
    // conditional whose condition the file alone cannot decide: the compiler might leave it out.
    void requireDecided(std::size_t at) const;

    void add(std::string_view text, CToken::Kind kind);
    // The tokens from `first` to before `end` lie in an undecided conditional.
    void undecided(std::size_t first, std::size_t end);
    // Matches the brackets; called once all tokens are added.
    void matchBrackets();

    std::map<std::string_view, std::string_view> numberMacros;  // name -> number token

private:
    struct Stored {
        std::uint32_t start;
        // The text's size. A punctuator is one character; an open bracket holds the count of
        // tokens from it to past its close, 0 when none closes it.
        std::uint32_t extent : 28;
        std::uint32_t kind : 4;
    };
    std::string_view source_;
    std::vector<Stored> tokens_;
    std::vector<std::uint32_t> lineEnds_;  // the offset of every "\n"
    struct Stretch {
        std::uint32_t first, end;
    };
    std::vector<Stretch> undecided_;  // the outermost ones, in order
};

// A value of a list as C writes it, with any casts, parentheses and signs before it.
struct CValue {
    std::optional<std::uint64_t> number{};  // its magnitude, for a constant or a number macro
    bool negative = false;
    std::string_view name{};  // an identifier that names no number
};

// The value from `at` on, `at` moved past it; nothing, `at` on the token at fault, for any
// other expression. Fails with NestingTooDeep past 64 brackets or signs.
std::optional<CValue> listValue(const CTokens& tokens, std::size_t& at);

// Fails with CommentNotClosed or IfNotClosed, naming the line where it opened.
CTokens cTokens(std::string_view source);

// The string literals, joined, that the first declaration naming `marker` (such as a font's
// section macro) is given after its "=", with the closing NUL; none when there is no such
// declaration or a literal is not a plain narrow one.
std::optional<std::string> markedString(const CTokens& tokens, std::string_view marker);

}  // namespace fontedit::formats
