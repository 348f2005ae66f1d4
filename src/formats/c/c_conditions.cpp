#include "formats/c/c_conditions.h"

#include "formats/c/c_constants.h"

namespace fontedit::formats {
namespace {

bool isWordStart(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_';
}
bool isWordPart(char ch) {
    return isWordStart(ch) || (ch >= '0' && ch <= '9');
}

// Far deeper than any condition is written, shallow enough for the stack.
constexpr int kDeepest = 64;

// Recursive descent in C's order of precedence; every failure to read leaves `ok_` false.
class Evaluator {
public:
    Evaluator(std::string_view text, const MacroLookup& macros) : text_(text), macros_(macros) {}

    std::optional<std::int64_t> run() {
        const std::int64_t value = conditional(0);
        skipBlanks();
        if (!ok_ || at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }
    // An operator, unless it is only the start of a longer one: "<" of "<<" or "<=".
    bool take(std::string_view op) {
        skipBlanks();
        if (text_.substr(at_, op.size()) != op) return false;
        if (op.size() == 1) {
            const char after = at_ + 1 < text_.size() ? text_[at_ + 1] : '\0';
            const bool longer = ((op == "<" || op == ">") && (after == op[0] || after == '=')) ||
                                ((op == "|" || op == "&") && after == op[0]) ||
                                (op == "!" && after == '=');
            if (longer) return false;
        }
        at_ += op.size();
        return true;
    }
    std::int64_t fail() {
        ok_ = false;
        return 0;
    }

    std::int64_t conditional(int depth) {
        if (depth > kDeepest) return fail();
        const std::int64_t test = binary(0, depth);
        if (!take("?")) return test;
        const std::int64_t yes = conditional(depth + 1);
        if (!take(":")) return fail();
        const std::int64_t no = conditional(depth + 1);
        return test != 0 ? yes : no;
    }

    // Binary operators from the loosest, level 0 ("||"), to the tightest ("*").
    std::int64_t binary(int level, int depth) {
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
        std::int64_t left = binary(level + 1, depth);
        while (ok_) {
            std::string_view op;
            for (const std::string_view candidate : kLevels[level]) {
                if (!candidate.empty() && take(candidate)) {
                    op = candidate;
                    break;
                }
            }
            if (op.empty()) return left;
            const std::int64_t right = binary(level + 1, depth);
            left = apply(op, left, right);
        }
        return left;
    }

    std::int64_t apply(std::string_view op, std::int64_t a, std::int64_t b) {
        const auto ua = static_cast<std::uint64_t>(a), ub = static_cast<std::uint64_t>(b);
        if (op == "||") return a || b;
        if (op == "&&") return a && b;
        if (op == "|") return a | b;
        if (op == "^") return a ^ b;
        if (op == "&") return a & b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<=") return a <= b;
        if (op == ">=") return a >= b;
        if (op == "<") return a < b;
        if (op == ">") return a > b;
        if (op == "<<") return b < 0 || b > 63 ? fail() : static_cast<std::int64_t>(ua << b);
        if (op == ">>") return b < 0 || b > 63 ? fail() : a >> b;
        if (op == "+") return static_cast<std::int64_t>(ua + ub);
        if (op == "-") return static_cast<std::int64_t>(ua - ub);
        if (op == "*") return static_cast<std::int64_t>(ua * ub);
        if (b == 0 || (a == INT64_MIN && b == -1)) return fail();
        return op == "/" ? a / b : a % b;
    }

    std::int64_t unary(int depth) {
        if (depth > kDeepest) return fail();
        if (take("!")) return !unary(depth + 1);
        if (take("~")) return ~unary(depth + 1);
        if (take("-"))
            return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(unary(depth + 1)));
        if (take("+")) return unary(depth + 1);
        if (take("(")) {
            const std::int64_t value = conditional(depth + 1);
            return take(")") ? value : fail();
        }
        return primary();
    }

    std::int64_t primary() {
        skipBlanks();
        if (at_ >= text_.size()) return fail();
        const std::size_t start = at_;
        if (isWordStart(text_[at_])) {
            while (at_ < text_.size() && isWordPart(text_[at_])) ++at_;
            const std::string_view word = text_.substr(start, at_ - start);
            if (word == "defined") return definedOperand();
            const std::optional<std::int64_t> value = macros_.value(word);
            return value ? *value : fail();
        }
        if (text_[at_] == '\'') {
            ++at_;
            while (at_ < text_.size() && text_[at_] != '\'') at_ += text_[at_] == '\\' ? 2 : 1;
            // A backslash at the very end steps past it.
            if (at_ >= text_.size()) {
                at_ = text_.size();
                return fail();
            }
            ++at_;
            const auto value = characterConstant(text_.substr(start, at_ - start));
            return value ? static_cast<std::int64_t>(*value) : fail();
        }
        while (at_ < text_.size() && (isWordPart(text_[at_]) || text_[at_] == '\'')) ++at_;
        const auto value = integerConstant(text_.substr(start, at_ - start));
        if (!value || *value > static_cast<std::uint64_t>(INT64_MAX)) return fail();
        return static_cast<std::int64_t>(*value);
    }

    std::int64_t definedOperand() {
        const bool parenthesised = take("(");
        skipBlanks();
        const std::size_t start = at_;
        while (at_ < text_.size() && isWordPart(text_[at_])) ++at_;
        const std::string_view name = text_.substr(start, at_ - start);
        if (name.empty() || !isWordStart(name[0]) || (parenthesised && !take(")"))) return fail();
        const std::optional<bool> defined = macros_.defined(name);
        return defined ? *defined : fail();
    }

    std::string_view text_;
    const MacroLookup& macros_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

std::optional<bool> conditionValue(std::string_view condition, const MacroLookup& macros) {
    const std::optional<std::int64_t> value = Evaluator(condition, macros).run();
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<std::int64_t> constantValue(std::string_view expression) {
    const MacroLookup none{.value = [](std::string_view) { return std::optional<std::int64_t>(); },
                           .defined = [](std::string_view) { return std::optional<bool>(); }};
    return Evaluator(expression, none).run();
}

}  // namespace fontedit::formats
