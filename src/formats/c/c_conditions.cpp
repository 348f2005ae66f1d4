#include "formats/c/c_conditions.h"

#include <algorithm>

#include "formats/c/c_constants.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

// Far deeper than any condition or chain of macros is written, shallow enough for the stack.
constexpr int kDeepest = 64;
// Steps a source may spend on its conditions: a few for each of its bytes, and a floor for
// a short file naming a long macro often.
constexpr std::size_t kStepsPerByte = 3;
constexpr std::size_t kLeastSteps = std::size_t{1} << 20;

struct Undecided {};

struct Token {
    enum class Kind : std::uint8_t { End, Number, Word, Character, Other };
    Kind kind = Kind::End;
    std::string_view text;
    bool is(std::string_view op) const { return kind == Kind::Other && text == op; }
};

// Blanks, joined lines and comments.
std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size()) {
        const char ch = text[at];
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v' ||
            ch == '\\') {
            ++at;
        } else if (text.substr(at, 2) == "//") {
            at = std::min(text.find('\n', at), text.size());
        } else if (text.substr(at, 2) == "/*") {
            const std::size_t close = text.find("*/", at + 2);
            at = close == std::string_view::npos ? text.size() : close + 2;
        } else {
            break;
        }
    }
    return at;
}

// The token at `at`, blanks before it skipped; `at` is moved past it.
Token lexToken(std::string_view text, std::size_t& at) {
    at = skipBlanks(text, at);
    if (at >= text.size()) return {};
    const std::size_t start = at;
    const char ch = text[at];
    Token::Kind kind = Token::Kind::Other;
    if (isIdentifierStart(ch)) {
        while (at < text.size() && isIdentifierPart(text[at])) ++at;
        kind = Token::Kind::Word;
    } else if (isDigit(ch) || (ch == '.' && at + 1 < text.size() && isDigit(text[at + 1]))) {
        ++at;
        while (at < text.size()) {
            const char next = text[at];
            const bool sign = (next == '+' || next == '-') && (text[at - 1] | 0x20) == 'e';
            if (!isIdentifierPart(next) && next != '.' && next != '\'' && !sign) break;
            ++at;
        }
        kind = Token::Kind::Number;
    } else if (ch == '\'') {
        ++at;
        while (at < text.size() && text[at] != '\'' && text[at] != '\n') {
            at += text[at] == '\\' ? 2 : 1;
        }
        at = std::min(at + 1, text.size());
        kind = Token::Kind::Character;
    } else {
        static constexpr std::string_view kPairs[] = {
            "||", "&&", "==", "!=", "<=", ">=", "<<", ">>"};
        const std::string_view two = text.substr(at, 2);
        at += std::find(std::begin(kPairs), std::end(kPairs), two) != std::end(kPairs) ? 2 : 1;
    }
    return {kind, text.substr(start, at - start)};
}

// A body that is one operand, a constant or a parenthesised expression with signs before it,
// reads the same wherever it is put, so its value can stand for it.
bool isOperand(std::string_view body) {
    std::size_t at = 0;
    Token token = lexToken(body, at);
    while (token.is("-") || token.is("+") || token.is("!") || token.is("~")) {
        token = lexToken(body, at);
    }
    if (token.kind == Token::Kind::Number || token.kind == Token::Kind::Character) {
        return lexToken(body, at).kind == Token::Kind::End;
    }
    if (!token.is("(")) return false;
    for (int depth = 1; depth > 0;) {
        token = lexToken(body, at);
        if (token.kind == Token::Kind::End) return false;
        depth += token.is("(") ? 1 : token.is(")") ? -1 : 0;
    }
    return lexToken(body, at).kind == Token::Kind::End;
}

}  // namespace

// Recursive descent in C's order of precedence over the condition's tokens, each macro that
// is not one operand replaced by its tokens as it is read; any failure to read throws
// Undecided.
class Evaluator {
public:
    using Value = Macros::Value;

    Evaluator(Macros& macros, std::string_view text, std::vector<std::string_view>& active,
              int depth)
        : macros_(macros), active_(active), depth_(depth) {
        frames_.push_back({text, 0, {}});
    }

    Value run() {
        const Value value = conditional(0);
        if (peek().kind != Token::Kind::End) throw Undecided{};
        return value;
    }

    // A macro named inside its own expansion was read as 0: the value holds only there.
    bool painted() const { return painted_; }
    const std::vector<std::string_view>& consulted() const { return consulted_; }

private:
    struct Frame {
        std::string_view text;
        std::size_t at;
        std::string_view macro;  // whose body this is; empty for the condition itself
    };

    bool isActive(std::string_view name) const {
        return std::find(active_.begin(), active_.end(), name) != active_.end();
    }

    void consult(std::string_view name) {
        macros_.spend(1);
        consulted_.push_back(name);
    }

    Token lex() {
        while (!frames_.empty()) {
            Frame& frame = frames_.back();
            const std::size_t before = frame.at;
            const Token token = lexToken(frame.text, frame.at);
            macros_.spend(frame.at - before + 1);
            if (token.kind == Token::Kind::End) {
                if (!frame.macro.empty()) active_.pop_back();
                frames_.pop_back();
                continue;
            }
            if (token.kind == Token::Kind::Word && !raw_ && token.text != "defined") {
                const auto body = macros_.bodies_.find(token.text);
                if (body != macros_.bodies_.end() && !body->second.functionLike &&
                    !body->second.atomic && !isActive(token.text)) {
                    consult(token.text);
                    if (frames_.size() > kDeepest) throw Undecided{};
                    active_.push_back(token.text);
                    frames_.push_back({body->second.text, 0, token.text});
                    continue;
                }
            }
            return token;
        }
        return {};
    }
    Token peek() {
        if (!peeked_) peeked_ = lex();
        return *peeked_;
    }
    Token next() {
        const Token token = peek();
        peeked_.reset();
        return token;
    }
    bool take(std::string_view op) {
        if (!peek().is(op)) return false;
        peeked_.reset();
        return true;
    }

    Value conditional(int depth) {
        if (depth > kDeepest) throw Undecided{};
        const Value test = binary(0, depth);
        if (!take("?")) return test;
        const bool yes = test.number != 0;
        if (!yes) ++unevaluated_;
        const Value first = conditional(depth + 1);
        if (!yes) --unevaluated_;
        if (!take(":")) throw Undecided{};
        if (yes) ++unevaluated_;
        const Value second = conditional(depth + 1);
        if (yes) --unevaluated_;
        const bool isUnsigned = first.isUnsigned || second.isUnsigned;
        return {yes ? first.number : second.number, isUnsigned};
    }

    // Binary operators from the loosest, level 0 ("||"), to the tightest ("*").
    Value binary(int level, int depth) {
        static constexpr std::string_view kLevels[][4] = {{"||"},
                                                          {"&&"},
                                                          {"|"},
                                                          {"^"},
                                                          {"&"},
                                                          {"==", "!="},
                                                          {"<=", ">=", "<", ">"},
                                                          {"<<", ">>"},
                                                          {"+", "-"},
                                                          {"*", "/", "%"}};
        constexpr int kLevelCount = sizeof kLevels / sizeof kLevels[0];
        if (level == kLevelCount) return unary(depth);
        Value left = binary(level + 1, depth);
        while (true) {
            const Token token = peek();
            const auto& ops = kLevels[level];
            const auto op = std::find_if(std::begin(ops), std::end(ops), [&](std::string_view o) {
                return !o.empty() && token.is(o);
            });
            if (op == std::end(ops)) return left;
            peeked_.reset();
            // The right of "0 &&" and "1 ||" is read but not evaluated, as C has it.
            const bool shortCut =
                (*op == "&&" && left.number == 0) || (*op == "||" && left.number != 0);
            if (shortCut) ++unevaluated_;
            const Value right = binary(level + 1, depth);
            if (shortCut) --unevaluated_;
            left = apply(*op, left, right);
        }
    }

    Value apply(std::string_view op, Value a, Value b) const {
        const bool isUnsigned = a.isUnsigned || b.isUnsigned;
        const auto ua = static_cast<std::uint64_t>(a.number),
                   ub = static_cast<std::uint64_t>(b.number);
        const auto truth = [](bool holds) { return Value{holds ? 1 : 0, false}; };
        const auto bits = [&](std::uint64_t value) {
            return Value{static_cast<std::int64_t>(value), isUnsigned};
        };
        if (op == "||") return truth(a.number || b.number);
        if (op == "&&") return truth(a.number && b.number);
        if (op == "|") return bits(ua | ub);
        if (op == "^") return bits(ua ^ ub);
        if (op == "&") return bits(ua & ub);
        if (op == "==") return truth(a.number == b.number);
        if (op == "!=") return truth(a.number != b.number);
        if (op == "<=") return truth(isUnsigned ? ua <= ub : a.number <= b.number);
        if (op == ">=") return truth(isUnsigned ? ua >= ub : a.number >= b.number);
        if (op == "<") return truth(isUnsigned ? ua < ub : a.number < b.number);
        if (op == ">") return truth(isUnsigned ? ua > ub : a.number > b.number);
        if (op == "+") return bits(ua + ub);
        if (op == "-") return bits(ua - ub);
        if (op == "*") return bits(ua * ub);
        if (op == "<<" || op == ">>") {
            // The shifted operand's type alone decides the result's.
            if (b.number < 0 || b.number > 63) return unevaluatedOr(a);
            if (op == "<<") return {static_cast<std::int64_t>(ua << b.number), a.isUnsigned};
            return a.isUnsigned ? Value{static_cast<std::int64_t>(ua >> b.number), true}
                                : Value{a.number >> b.number, false};
        }
        if (b.number == 0 || (!isUnsigned && a.number == INT64_MIN && b.number == -1)) {
            return unevaluatedOr(a);
        }
        if (isUnsigned) return bits(op == "/" ? ua / ub : ua % ub);
        return {op == "/" ? a.number / b.number : a.number % b.number, false};
    }

    // What the compiler refuses to work out counts only where it is evaluated.
    Value unevaluatedOr(Value any) const {
        if (unevaluated_ == 0) throw Undecided{};
        return any;
    }

    Value unary(int depth) {
        if (depth > kDeepest) throw Undecided{};
        if (take("!")) return {unary(depth + 1).number == 0 ? 1 : 0, false};
        if (take("~")) {
            const Value value = unary(depth + 1);
            return {~value.number, value.isUnsigned};
        }
        if (take("-")) {
            const Value value = unary(depth + 1);
            return {static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(value.number)),
                    value.isUnsigned};
        }
        if (take("+")) return unary(depth + 1);
        if (take("(")) {
            const Value value = conditional(depth + 1);
            if (!take(")")) throw Undecided{};
            return value;
        }
        return primary(depth);
    }

    Value primary(int depth) {
        const Token token = next();
        switch (token.kind) {
            case Token::Kind::Number:
                return number(token.text);
            case Token::Kind::Character: {
                // Past 0x7F it depends on whether the target's char is signed.
                const auto value = characterConstant(token.text);
                if (!value || *value > 0x7F) throw Undecided{};
                return {static_cast<std::int64_t>(*value), false};
            }
            case Token::Kind::Word:
                return word(token.text, depth);
            default:
                throw Undecided{};
        }
    }

    static Value number(std::string_view text) {
        const std::optional<std::uint64_t> value = integerConstant(text);
        if (!value) throw Undecided{};
        const std::size_t suffix = text.find_last_not_of("uUlL") + 1;
        const bool isUnsigned = text.substr(suffix).find_first_of("uU") != std::string_view::npos;
        // A decimal constant too large for intmax_t is no constant of the preprocessor's.
        const bool decimal = text[0] != '0';
        if (*value > static_cast<std::uint64_t>(INT64_MAX) && !isUnsigned && decimal) {
            throw Undecided{};
        }
        return {static_cast<std::int64_t>(*value),
                isUnsigned || *value > static_cast<std::uint64_t>(INT64_MAX)};
    }

    Value word(std::string_view name, int depth) {
        if (name == "defined") return definedOperand();
        consult(name);
        const auto body = macros_.bodies_.find(name);
        const bool call = peek().is("(");
        if (call && (body == macros_.bodies_.end() || body->second.functionLike)) {
            // A function-like macro, or a header's: its arguments are passed over where unused.
            if (unevaluated_ == 0) throw Undecided{};
            skipArguments();
            return {};
        }
        if (body == macros_.bodies_.end()) return {};
        if (body->second.functionLike) return unevaluatedOr({});
        if (isActive(name)) {
            painted_ = true;
            return {};
        }
        return kept(name, body->second.text, depth);
    }

    void skipArguments() {
        int open = 0;
        do {
            const Token token = next();
            if (token.kind == Token::Kind::End) throw Undecided{};
            open += token.is("(") ? 1 : token.is(")") ? -1 : 0;
        } while (open > 0);
    }

    // A one-operand macro's value, worked out once while what it names stays as it is.
    Value kept(std::string_view name, std::string_view body, int depth) {
        if (const auto found = macros_.values_.find(name); found != macros_.values_.end()) {
            return found->second;
        }
        if (depth_ + depth > kDeepest) throw Undecided{};
        active_.push_back(name);
        Evaluator inner(macros_, body, active_, depth_ + depth + 1);
        const Value value = inner.run();
        active_.pop_back();
        painted_ = painted_ || inner.painted();
        if (!inner.painted()) {
            macros_.values_[name] = value;
            for (const std::string_view used : inner.consulted()) {
                macros_.dependents_[used].push_back(name);
            }
        }
        return value;
    }

    Value definedOperand() {
        raw_ = true;
        const bool parenthesised = take("(");
        const Token name = next();
        if (name.kind != Token::Kind::Word || (parenthesised && !take(")"))) throw Undecided{};
        raw_ = false;
        consult(name.text);
        return {macros_.defined(name.text) ? 1 : 0, false};
    }

    Macros& macros_;
    std::vector<std::string_view>& active_;
    const int depth_;
    std::vector<Frame> frames_;
    std::optional<Token> peeked_;
    bool raw_ = false;  // reading the operand of "defined", which is not expanded
    int unevaluated_ = 0;
    bool painted_ = false;
    std::vector<std::string_view> consulted_;
};

Macros::Macros(std::size_t sourceSize) : budget_(sourceSize * kStepsPerByte + kLeastSteps) {}

void Macros::spend(std::size_t steps) {
    if (steps > budget_) throw state::Failure(state::Cause::MacrosTooCostly, {});
    budget_ -= steps;
}

void Macros::define(std::string_view name, std::string_view body, bool functionLike) {
    forget(name);
    spend(body.size() + 1);
    bodies_[name] = {body, functionLike, !functionLike && isOperand(body)};
}

void Macros::undefine(std::string_view name) {
    forget(name);
    bodies_.erase(name);
}

// Drops the kept value of `name` and of every macro worked out from it.
void Macros::forget(std::string_view name) {
    std::vector<std::string_view> pending{name};
    while (!pending.empty()) {
        const std::string_view changed = pending.back();
        pending.pop_back();
        values_.erase(changed);
        const auto found = dependents_.find(changed);
        if (found == dependents_.end()) continue;
        spend(found->second.size());
        for (const std::string_view dependent : found->second) {
            if (values_.contains(dependent)) pending.push_back(dependent);
        }
        dependents_.erase(found);
    }
}

std::optional<bool> Macros::condition(std::string_view text) {
    std::vector<std::string_view> active;
    try {
        return Evaluator(*this, text, active, 0).run().number != 0;
    } catch (const Undecided&) {
        return std::nullopt;
    }
}

}  // namespace fontedit::formats
