#include "document/recovery_encoding.h"

#include <charconv>
#include <cstdint>

#include "state/failure.h"

namespace fontedit::document {
namespace {

constexpr std::string_view kFirstLine = "fontedit recovery 2\n";
// Written by versions that named the folder only in the file's name.
constexpr std::string_view kFirstLineWithoutFolder = "fontedit recovery 1\n";
// A general font's, followed by its kind.
constexpr std::string_view kFirstLineOfKind = "fontedit recovery 3\n";
constexpr std::string_view kBdfKind = "bdf";

// "<length>:<bytes>\n"
void putText(std::string& bytes, std::string_view text) {
    bytes += std::to_string(text.size());
    bytes += ':';
    bytes += text;
    bytes += '\n';
}

class TextReader {
public:
    explicit TextReader(std::string_view bytes) : bytes_(bytes) {}

    std::string next() {
        std::size_t length = 0;
        const char* begin = bytes_.data() + pos_;
        const char* end = bytes_.data() + bytes_.size();
        const auto [stop, error] = std::from_chars(begin, end, length);
        if (error != std::errc() || stop == begin || stop == end || *stop != ':') damaged();
        pos_ += static_cast<std::size_t>(stop - begin) + 1;
        if (length >= bytes_.size() - pos_ || bytes_[pos_ + length] != '\n') damaged();
        std::string text(bytes_.substr(pos_, length));
        pos_ += length + 1;
        return text;
    }

    void expectEnd() const {
        if (pos_ != bytes_.size()) damaged();
    }

    [[noreturn]] static void damaged() { throw state::Failure(state::Cause::RecoveryDamaged, {}); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

EditorContent editorContent(const state::FontTable& font, const state::LabelTable& labels,
                            std::string code) {
    return {state::tableTexts<state::AllTableTexts>(font, labels), std::move(code)};
}

void storeEditorContent(const EditorContent& content, state::FontTable& font,
                        state::LabelTable& labels) {
    state::storeTableTexts(content.tables, font, labels);
}

std::string recoveryBytes(const EditorContent& content) {
    std::string bytes(kFirstLine);
    putText(bytes, content.folder);
    putText(bytes, content.code);
    for (const auto& cells : content.tables.cells) {
        for (const std::string& cell : cells) putText(bytes, cell);
    }
    for (const std::string& label : content.tables.labels) putText(bytes, label);
    return bytes;
}

EditorContent parseRecovery(std::string_view bytes) {
    const bool namesFolder = bytes.starts_with(kFirstLine);
    if (!namesFolder && !bytes.starts_with(kFirstLineWithoutFolder)) {
        throw state::Failure(state::Cause::RecoveryDamaged, {});
    }
    TextReader reader(bytes.substr(kFirstLine.size()));
    EditorContent content;
    if (namesFolder) content.folder = reader.next();
    content.code = reader.next();
    for (auto& cells : content.tables.cells) {
        for (std::string& cell : cells) cell = reader.next();
    }
    for (std::string& label : content.tables.labels) label = reader.next();
    reader.expectEnd();
    return content;
}

std::string bitmapRecoveryBytes(const BitmapContent& content) {
    std::string bytes(kFirstLineOfKind);
    bytes.reserve(content.text.size() + content.path.size() + 64);
    putText(bytes, kBdfKind);
    putText(bytes, content.path);
    putText(bytes, std::to_string(static_cast<std::uint32_t>(content.current)));
    putText(bytes, content.text);
    return bytes;
}

bool isBitmapRecovery(std::string_view bytes) {
    return bytes.starts_with(kFirstLineOfKind);
}

BitmapContent parseBitmapRecovery(std::string_view bytes) {
    if (!isBitmapRecovery(bytes)) TextReader::damaged();
    TextReader reader(bytes.substr(kFirstLineOfKind.size()));
    if (reader.next() != kBdfKind) TextReader::damaged();
    BitmapContent content;
    content.path = reader.next();
    const std::string current = reader.next();
    std::uint32_t character = 0;
    const auto [end, error] =
        std::from_chars(current.data(), current.data() + current.size(), character);
    if (error != std::errc() || end != current.data() + current.size() || character > 0x10FFFF) {
        TextReader::damaged();
    }
    content.current = character;
    content.text = reader.next();
    reader.expectEnd();
    return content;
}

}  // namespace fontedit::document
