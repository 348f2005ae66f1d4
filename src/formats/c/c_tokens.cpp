#include "formats/c/c_tokens.h"

#include <algorithm>

#include "formats/c/c_conditions.h"
#include "formats/c/c_constants.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f' || ch == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\n')) text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\n')) text.remove_suffix(1);
    return text;
}

// A directive's operand without a trailing comment or the parentheses around it.
std::string_view operand(std::string_view text) {
    text = trimmed(text.substr(0, std::min(text.find("//"), text.find("/*"))));
    while (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        text = trimmed(text.substr(1, text.size() - 2));
    }
    return text;
}

class Tokenizer {
public:
    // A name the file does not define at the condition counts as 0, as in C; one it defines as
    // anything but a constant expression leaves the condition untold.
    explicit Tokenizer(std::string_view source)
        : source_(source), macros_(source.size()), result_(source) {}

    CTokens run() {
        while (true) {
            skipBlanksAndComments();
            if (atEnd()) break;
            if (peek() == '#' && atLineStart_) {
                directive();
            } else if (skipping_) {
                skipToken();
            } else {
                token();
            }
        }
        if (skipping_) {
            throw state::Failure(state::Cause::IfNotClosed,
                                 {.line = skipFrom_, .value = std::string(skipText_)});
        }
        if (undecidedOpen_ > 0) result_.undecided(undecidedFrom_, result_.size());
        result_.matchBrackets();
        return std::move(result_);
    }

private:
    // Both are asked several times for every byte of a source, so they are inlined even at the
    // sanitized tree's -O1, where the calls and their coverage hooks took a tenth of the LVGL
    // fuzzer's runs; the byte is indexed without string_view's assertion, which the bound before
    // it makes redundant.
    [[gnu::always_inline]] bool atEnd() const { return pos_ >= source_.size(); }
    [[gnu::always_inline]] char peek(std::size_t ahead = 0) const {
        const char* bytes = source_.data();
        return pos_ + ahead < source_.size() ? bytes[pos_ + ahead] : '\0';
    }

    void advance() {
        if (peek() == '\n') {
            ++line_;
            atLineStart_ = true;
        }
        ++pos_;
    }

    // Also a backslash at the end of a line, which joins two lines into one. A directive
    // ends at its line end, so it skips no line ends but those inside comments.
    void skipBlanksAndComments(bool lineEnds = true) {
        while (!atEnd()) {
            const char ch = peek();
            if (isBlank(ch) || (ch == '\n' && lineEnds)) {
                advance();
            } else if (ch == '\\' && (peek(1) == '\n' || (peek(1) == '\r' && peek(2) == '\n'))) {
                pos_ += peek(1) == '\r' ? 2 : 1;
                ++line_;
                ++pos_;
            } else if (ch == '/' && peek(1) == '/') {
                pos_ = std::min(source_.find('\n', pos_), source_.size());
            } else if (ch == '/' && peek(1) == '*') {
                // Found by the library's search, not byte by byte: the converters' files are
                // mostly comments.
                const std::size_t close = source_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) {
                    throw state::Failure(state::Cause::CommentNotClosed,
                                         {.line = line_, .value = "/*"});
                }
                const auto lineEnds = std::count(source_.begin() + static_cast<long>(pos_),
                                                 source_.begin() + static_cast<long>(close), '\n');
                line_ += static_cast<int>(lineEnds);
                atLineStart_ = atLineStart_ || lineEnds > 0;
                pos_ = close + 2;
            } else {
                return;
            }
        }
    }

    void token() {
        const std::size_t start = pos_;
        const CToken::Kind kind = skipToken();
        result_.add(source_.substr(start, pos_ - start), kind);
    }

    CToken::Kind skipToken() {
        atLineStart_ = false;
        const char ch = peek();
        if (isDigit(ch) || (ch == '.' && isDigit(peek(1)))) {
            skipNumber();
            return CToken::Kind::Number;
        }
        if (isIdentifierStart(ch)) {
            while (!atEnd() && isIdentifierPart(peek())) ++pos_;
            return CToken::Kind::Identifier;
        }
        if (ch == '\'' || ch == '"') {
            skipQuoted(ch);
            return ch == '"' ? CToken::Kind::String : CToken::Kind::Character;
        }
        ++pos_;
        return CToken::Kind::Punctuator;
    }

    // A preprocessing number: digits, letters, dots, exponent signs and digit separators.
    void skipNumber() {
        ++pos_;
        while (!atEnd()) {
            const char ch = peek();
            const bool exponentSign = (ch == '+' || ch == '-') && (source_[pos_ - 1] | 0x20) == 'e';
            if (ch == '\'' && isIdentifierPart(peek(1))) {
                pos_ += 2;
            } else if (isIdentifierPart(ch) || ch == '.' || exponentSign) {
                ++pos_;
            } else {
                return;
            }
        }
    }

    // A literal ends at its closing quote or, unclosed, at the end of its line. Each byte is
    // looked at once: a font's string literal is most of its file.
    void skipQuoted(char quote) {
        ++pos_;
        const std::size_t size = source_.size();
        const char* bytes = source_.data();
        while (pos_ < size) {
            const char ch = bytes[pos_];
            if (ch == quote || ch == '\n') break;
            pos_ += ch == '\\' && pos_ + 1 < size && bytes[pos_ + 1] != '\n' ? 2 : 1;
        }
        if (pos_ < size && bytes[pos_] == quote) ++pos_;
    }

    // The directive's text, with comments and joined lines, up to the end of its line.
    std::string_view directiveLine() {
        const std::size_t start = pos_;
        ++pos_;
        while (!atEnd() && peek() != '\n') {
            const std::size_t before = pos_;
            skipBlanksAndComments(false);
            if (pos_ != before) continue;
            if (peek() == '\'' || peek() == '"') {
                skipQuoted(peek());
            } else {
                ++pos_;
            }
        }
        return trimmed(source_.substr(start, pos_ - start));
    }

    static std::string_view word(std::string_view text, std::size_t& at) {
        while (at < text.size() && isBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && isIdentifierPart(text[at])) ++at;
        return text.substr(start, at - start);
    }

    void directive() {
        const int line = line_;
        const std::string_view text = directiveLine();
        std::size_t at = 1;
        const std::string_view name = word(text, at);
        const bool opens = name == "if" || name == "ifdef" || name == "ifndef";
        if (skipping_) {
            skipped(name, opens, text.substr(at), text);
        } else if (opens) {
            const std::optional<bool> holds = condition(name, text.substr(at));
            if (!holds) {
                keep(text);
            } else if (*holds) {
                openIfs_.push_back(Region::Evaluated);
            } else {
                startSkipping(line, text, false);
            }
        } else if (name == "elif" || name == "else" || name == "endif") {
            closing(name, line, text);
        } else if (name == "define") {
            define(text, at);
        } else if (name == "undef") {
            const std::string_view macro = word(text, at);
            macros_.undefine(macro);
            result_.numberMacros.erase(macro);
        }
    }

    std::optional<bool> condition(std::string_view directive, std::string_view rest) {
        if (directive == "if" || directive == "elif") return macros_.condition(rest);
        std::size_t at = 0;
        const std::string_view name = word(rest, at);
        if (name.empty() || !operand(rest.substr(at)).empty()) return std::nullopt;
        return macros_.defined(name) == (directive == "ifdef");
    }

    // A conditional whose condition cannot be told stands as a token with all its parts, and
    // what lies in it is marked so that no reader takes it.
    void keep(std::string_view text) {
        if (undecidedOpen_++ == 0) undecidedFrom_ = result_.size();
        openIfs_.push_back(Region::Kept);
        result_.add(text, CToken::Kind::Conditional);
    }

    void popRegion() {
        if (openIfs_.back() == Region::Kept && --undecidedOpen_ == 0) {
            result_.undecided(undecidedFrom_, result_.size());
        }
        openIfs_.pop_back();
    }

    void startSkipping(int line, std::string_view text, bool toEndif) {
        skipping_ = true;
        skipToEndif_ = toEndif;
        skipDepth_ = 0;
        skipFrom_ = line;
        skipText_ = text;
    }

    // "#elif", "#else" or "#endif" outside a skipped region.
    void closing(std::string_view name, int line, std::string_view text) {
        const bool evaluated = !openIfs_.empty() && openIfs_.back() == Region::Evaluated;
        if (!evaluated) result_.add(text, CToken::Kind::Conditional);
        if (name == "endif" && !openIfs_.empty()) popRegion();
        if (evaluated && name != "endif") {
            // The part taken has ended; the rest of the conditional is passed over.
            openIfs_.pop_back();
            startSkipping(line, text, true);
        }
    }

    // Inside a region passed over: only the directive that ends it counts.
    void skipped(std::string_view name, bool opens, std::string_view rest, std::string_view text) {
        if (opens) {
            ++skipDepth_;
        } else if (name == "endif" && skipDepth_ > 0) {
            --skipDepth_;
        } else if (skipDepth_ > 0 || skipToEndif_) {
            if (skipDepth_ == 0 && name == "endif") skipping_ = false;
        } else if (name == "endif") {
            skipping_ = false;
        } else if (name == "else") {
            skipping_ = false;
            openIfs_.push_back(Region::Evaluated);
        } else if (name == "elif") {
            const std::optional<bool> holds = condition(name, rest);
            if (holds && !*holds) return;
            skipping_ = false;
            if (holds) {
                openIfs_.push_back(Region::Evaluated);
            } else {
                keep(text);
            }
        }
    }

    void define(std::string_view text, std::size_t at) {
        const std::string_view name = word(text, at);
        if (name.empty()) return;
        const std::string_view value = operand(text.substr(at));
        // A function-like macro stands for no number; named in a condition, it cannot be told.
        if (at < text.size() && text[at] == '(') {
            macros_.define(name, text.substr(at), true);
            return;
        }
        macros_.define(name, text.substr(at), false);
        if (!value.empty() && isDigit(value.front()) &&
            value.find_first_of(" \t") == std::string_view::npos) {
            result_.numberMacros[name] = value;
        }
    }

    std::string_view source_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
    bool skipping_ = false;
    int skipDepth_ = 0;
    bool skipToEndif_ = false;  // past the part taken: "#else" and "#elif" do not end it
    int skipFrom_ = 0;
    std::string_view skipText_;
    // Per open conditional: whether its directives stand as tokens or it was decided here.
    enum class Region { Kept, Evaluated };
    std::vector<Region> openIfs_;
    Macros macros_;
    int undecidedOpen_ = 0;  // open conditionals that could not be told
    std::size_t undecidedFrom_ = 0;
    CTokens result_;
};

}  // namespace

int CTokens::line(std::size_t at) const {
    const auto before = std::upper_bound(lineEnds_.begin(), lineEnds_.end(), tokens_[at].start);
    return static_cast<int>(before - lineEnds_.begin()) + 1;
}

void CTokens::undecided(std::size_t first, std::size_t end) {
    undecided_.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end)});
}

void CTokens::requireDecided(std::size_t at) const {
    const auto after = std::upper_bound(
        undecided_.begin(), undecided_.end(), at,
        [](std::size_t index, const Stretch& stretch) { return index < stretch.first; });
    if (after == undecided_.begin() || at >= std::prev(after)->end) return;
    const std::size_t directive = std::prev(after)->first;
    throw state::Failure(state::Cause::ConditionUndecided,
                         {.line = line(directive), .value = std::string((*this)[directive].text)});
}

void CTokens::add(std::string_view text, CToken::Kind kind) {
    tokens_.push_back({static_cast<std::uint32_t>(text.data() - source_.data()),
                       static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(kind)});
}

void CTokens::matchBrackets() {
    for (std::size_t at = source_.find('\n'); at != std::string_view::npos;
         at = source_.find('\n', at + 1)) {
        lineEnds_.push_back(static_cast<std::uint32_t>(at));
    }
    // Each open bracket not yet closed holds 1 + the index of the one opened before it, 0 for
    // none, so that the stacks of open brackets take no memory of their own.
    constexpr std::string_view kOpens = "([{", kCloses = ")]}";
    std::size_t innermost[kOpens.size()] = {};
    const char* bytes = source_.data();
    for (std::size_t at = 0; at < tokens_.size(); ++at) {
        if (static_cast<CToken::Kind>(tokens_[at].kind) != CToken::Kind::Punctuator) continue;
        const char punctuator = bytes[tokens_[at].start];
        if (const std::size_t kind = kOpens.find(punctuator); kind != std::string_view::npos) {
            tokens_[at].extent = static_cast<std::uint32_t>(innermost[kind]);
            innermost[kind] = at + 1;
        } else if (const std::size_t kind = kCloses.find(punctuator);
                   kind != std::string_view::npos && innermost[kind] != 0) {
            const std::size_t open = innermost[kind] - 1;
            innermost[kind] = tokens_[open].extent;
            tokens_[open].extent = static_cast<std::uint32_t>(at + 1 - open);
        }
    }
    for (std::size_t open : innermost) {
        while (open != 0) {
            const std::size_t outer = tokens_[open - 1].extent;
            tokens_[open - 1].extent = 0;
            open = outer;
        }
    }
}

namespace {

// Far deeper than any constant is written, shallow enough for the stack.
constexpr int kDeepestParentheses = 64;

std::optional<CValue> listValue(const CTokens& tokens, std::size_t& at, int depth) {
    const auto isAt = [&](std::size_t index, char punctuator) {
        return index < tokens.size() && tokens[index].is(punctuator);
    };
    if (at >= tokens.size()) return std::nullopt;
    const CToken token = tokens[at];
    const bool sign = token.is('-') || token.is('+');
    if ((token.is('(') || sign) && depth == kDeepestParentheses) {
        throw state::Failure(state::Cause::NestingTooDeep,
                             {.line = tokens.line(at), .value = std::string(token.text)});
    }
    if (sign) {
        ++at;
        std::optional<CValue> inner = listValue(tokens, at, depth + 1);
        if (!inner || !inner->number) return std::nullopt;
        inner->negative = inner->negative != token.is('-');
        return inner;
    }
    if (token.is('(')) {
        // A cast, "(const uint8_t *)", unless the parentheses hold a name alone.
        std::size_t close = at + 1;
        while (close < tokens.size() &&
               (tokens[close].kind == CToken::Kind::Identifier || tokens[close].is('*'))) {
            ++close;
        }
        if (close > at + 1 && isAt(close, ')') && !isAt(close + 1, ',') && !isAt(close + 1, '}')) {
            at = close + 1;
            return listValue(tokens, at, depth + 1);
        }
        ++at;
        const std::optional<CValue> inner = listValue(tokens, at, depth + 1);
        if (!inner || !isAt(at, ')')) return std::nullopt;
        ++at;
        return inner;
    }
    std::optional<std::uint64_t> number;
    switch (token.kind) {
        case CToken::Kind::Number:
            number = integerConstant(token.text);
            break;
        case CToken::Kind::Character:
            number = characterConstant(token.text);
            break;
        case CToken::Kind::Identifier:
            if (const auto macro = tokens.numberMacros.find(token.text);
                macro != tokens.numberMacros.end()) {
                number = integerConstant(macro->second);
                break;
            }
            ++at;
            return CValue{.name = token.text};
        default:
            break;
    }
    if (!number) return std::nullopt;
    ++at;
    return CValue{.number = number};
}

}  // namespace

std::optional<CValue> listValue(const CTokens& tokens, std::size_t& at) {
    return listValue(tokens, at, 0);
}

CTokens cTokens(std::string_view source) {
    return Tokenizer(source).run();
}

std::optional<std::string> markedString(const CTokens& tokens, std::string_view marker) {
    std::size_t at = 0;
    while (at < tokens.size() &&
           !(tokens[at].kind == CToken::Kind::Identifier && tokens[at].text == marker)) {
        ++at;
    }
    while (at < tokens.size() && !tokens[at].is('=') && !tokens[at].is(';')) ++at;
    if (at == tokens.size() || !tokens[at].is('=')) return std::nullopt;
    tokens.requireDecided(at);
    std::string bytes;
    for (++at; at < tokens.size() && tokens[at].kind == CToken::Kind::String; ++at) {
        const std::optional<std::string> literal = stringLiteral(tokens[at].text);
        if (!literal) return std::nullopt;
        bytes += *literal;
    }
    if (tokens[at - 1].is('=')) return std::nullopt;
    return bytes + '\0';
}

}  // namespace fontedit::formats
