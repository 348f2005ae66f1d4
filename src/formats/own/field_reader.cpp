#include "formats/own/field_reader.h"

#include <algorithm>

#include "formats/own/line_ends.h"

namespace fontedit::formats {

std::optional<std::string> FieldReader::next() {
    if (atEnd()) return std::nullopt;
    skipBlanks();
    fieldLine_ = line_;
    std::string field = pos_ < text_.size() && text_[pos_] == '"' ? quoted() : unquoted();
    closeField();
    return field;
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
}

std::string FieldReader::quoted() {
    const std::size_t start = pos_ + 1;
    const std::size_t end = std::min(text_.find('"', start), text_.size());
    for (std::size_t i = start; i < end; ++i) {
        if (const std::size_t lineEnd = lineEndLength(text_, i); lineEnd > 0) {
            ++line_;
            i += lineEnd - 1;
        }
    }
    // Whatever stands between the closing mark and the comma or line end is not part of it.
    pos_ = std::min(end + 1, text_.size());
    skipToFieldEnd();
    return std::string(text_.substr(start, end - start));
}

std::string FieldReader::unquoted() {
    const std::size_t start = pos_;
    skipToFieldEnd();
    return std::string(text_.substr(start, pos_ - start));
}

void FieldReader::skipToFieldEnd() {
    pos_ = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
}

void FieldReader::closeField() {
    afterComma_ = pos_ < text_.size() && text_[pos_] == ',';
    if (afterComma_) {
        ++pos_;
    } else if (const std::size_t lineEnd = lineEndLength(text_, pos_); lineEnd > 0) {
        pos_ += lineEnd;
        ++line_;
    }
}

}  // namespace fontedit::formats
