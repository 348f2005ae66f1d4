#include "cli/c_integer_list.h"

#include <cctype>
#include <optional>

#include "cli/messages.h"

namespace fontedit::cli {
namespace {

bool isWordCharacter(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '\'';
}

class Scanner {
public:
    Scanner(std::string_view source, const std::string& fileName)
        : source_(source), fileName_(fileName) {}

    std::vector<IntegerConstant> firstList() {
        while (!atEnd() && peek() != '{') skipNonList();
        if (atEnd()) throw InputError(fileName_ + ": no brace-enclosed list found");
        const int openedOn = line_;
        int depth = 0;
        std::vector<IntegerConstant> constants;
        while (true) {
            skipBlanksAndComments();
            if (atEnd())
                fail("the list opened on line " + std::to_string(openedOn) + " is never closed");
            const char ch = peek();
            if (ch == '{' || ch == '}') {
                depth += ch == '{' ? 1 : -1;
                ++pos_;
                if (depth == 0) return constants;
            } else if (ch == ',') {
                ++pos_;
            } else {
                constants.push_back(constant());
            }
        }
    }

private:
    bool atEnd() const { return pos_ >= source_.size(); }
    char peek() const { return source_[pos_]; }
    bool startsWith(std::string_view text) const { return source_.substr(pos_).starts_with(text); }

    [[noreturn]] void fail(const std::string& message) const {
        throw InputError(fileName_ + ':' + std::to_string(line_) + ": " + message);
    }

    void advance() {
        if (source_[pos_] == '\n') ++line_;
        ++pos_;
    }

    // Before the list: comments, and string or character literals that may hold a brace.
    void skipNonList() {
        if (skipComment()) return;
        const char quote = peek();
        advance();
        if (quote != '"' && quote != '\'') return;
        while (!atEnd() && peek() != quote && peek() != '\n') {
            if (peek() == '\\') advance();
            if (!atEnd()) advance();
        }
        if (!atEnd()) advance();
    }

    bool skipComment() {
        if (startsWith("//")) {
            while (!atEnd() && peek() != '\n') advance();
            return true;
        }
        if (!startsWith("/*")) return false;
        const int openedOn = line_;
        pos_ += 2;
        while (!atEnd() && !startsWith("*/")) advance();
        if (atEnd()) {
            line_ = openedOn;
            fail("the comment is never closed");
        }
        pos_ += 2;
        return true;
    }

    void skipBlanksAndComments() {
        while (!atEnd()) {
            if (std::isspace(static_cast<unsigned char>(peek()))) {
                advance();
            } else if (!skipComment()) {
                return;
            }
        }
    }

    IntegerConstant constant() {
        const std::size_t start = pos_;
        while (!atEnd() && isWordCharacter(peek())) ++pos_;
        if (pos_ == start) ++pos_;
        const std::string token(source_.substr(start, pos_ - start));
        const auto value = integerValue(token);
        if (!value) fail("'" + token + "' is not an integer constant");
        return {*value, line_};
    }

    static std::optional<std::uint64_t> integerValue(std::string token) {
        std::erase(token, '\'');
        const std::size_t suffix = token.find_last_not_of("uUlL") + 1;
        if (suffix == 0 || !std::isdigit(static_cast<unsigned char>(token[0]))) {
            return std::nullopt;
        }
        std::string_view digits(token.data(), suffix);
        int base = 10;
        if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
            base = 16;
        } else if (digits.size() > 2 && digits[0] == '0' &&
                   (digits[1] == 'b' || digits[1] == 'B')) {
            base = 2;
        } else if (digits.size() > 1 && digits[0] == '0') {
            base = 8;
        }
        if (base != 10) digits.remove_prefix(base == 8 ? 1 : 2);
        std::uint64_t value = 0;
        for (char ch : digits) {
            const int digit = std::isdigit(static_cast<unsigned char>(ch))
                                  ? ch - '0'
                                  : std::tolower(static_cast<unsigned char>(ch)) - 'a' + 10;
            if (digit < 0 || digit >= base || value > (UINT64_MAX - digit) / base) {
                return std::nullopt;
            }
            value = value * base + digit;
        }
        return value;
    }

    std::string_view source_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<IntegerConstant> firstIntegerList(std::string_view source,
                                              const std::string& fileName) {
    return Scanner(source, fileName).firstList();
}

}  // namespace fontedit::cli
