#include "formats/x11/bdf_lines.h"

#include <algorithm>
#include <charconv>

#include "state/failure.h"

namespace fontedit::formats {

using state::Cause;
using state::Failure;

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownLength = 60;

}  // namespace

std::string_view withoutByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return bytes;
}

std::string_view bdfTrimmed(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

std::string bdfUnquoted(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::string(text);
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        value += text[i];
        if (text[i] == '"' && text[i + 1] == '"' && i + 2 < text.size()) ++i;
    }
    return value;
}

std::string xlfdFamily(std::string_view name) {
    const std::size_t begin = name.starts_with('-') ? name.find('-', 1) : std::string_view::npos;
    if (begin == std::string_view::npos) return std::string(name);
    return std::string(name.substr(begin + 1, name.find('-', begin + 1) - begin - 1));
}

BdfLines::BdfLines(std::string_view bytes, Comments comments)
    : bytes_(bytes), comments_(comments), pos_(bytes.size() - withoutByteOrderMark(bytes).size()) {}

bool BdfLines::next() {
    do {
        if (pos_ >= bytes_.size()) {
            content_ = words_ = {};
            lineBegin_ = lineEnd_ = bytes_.size();
            return false;
        }
        lineBegin_ = pos_;
        const std::size_t end = std::min(bytes_.find('\n', pos_), bytes_.size());
        lineEnd_ = end > pos_ && bytes_[end - 1] == '\r' ? end - 1 : end;
        content_ = words_ = bdfTrimmed(bytes_.substr(pos_, end - pos_));
        pos_ = std::min(end + 1, bytes_.size());
        ++line_;
    } while (comments_ == Comments::Skipped && keyword() == "COMMENT");
    return true;
}

std::string_view BdfLines::word() {
    words_.remove_prefix(std::min(words_.find_first_not_of(kBlanks), words_.size()));
    const std::string_view result = words_.substr(0, words_.find_first_of(kBlanks));
    words_.remove_prefix(result.size());
    return result;
}

long long BdfLines::number() {
    const std::string_view text = word();
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < -kLargestBdfNumber || value > kLargestBdfNumber) {
        malformed();
    }
    return value;
}

BdfBox BdfLines::box() {
    word();
    BdfBox read;
    read.width = number();
    read.height = number();
    read.left = number();
    read.bottom = number();
    if (read.width < 0 || read.height < 0) malformed();
    return read;
}

std::string bdfShown(std::string_view text) {
    return std::string(text.substr(0, kShownLength));
}

std::string BdfLines::shown() const {
    return bdfShown(content_);
}

void BdfLines::malformed() const {
    throw Failure(Cause::BdfSyntax, {.line = line_, .value = shown()});
}

void BdfLines::nextRow(long long width) {
    if (!next() || keyword() == "ENDCHAR" || static_cast<long long>(content_.size()) * 4 < width) {
        throw Failure(Cause::BitmapRow, {.line = line_, .value = shown()});
    }
}

int BdfLines::rowDigit(std::size_t index) const {
    const char ch = content_[index];
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    throw Failure(Cause::BitmapRow, {.line = line_, .value = shown()});
}

}  // namespace fontedit::formats
