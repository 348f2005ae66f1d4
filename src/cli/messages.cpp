#include "cli/messages.h"

namespace fontedit::cli {
namespace {

using state::Cause;

bool namesFile(Cause cause) {
    switch (cause) {
        case Cause::FileNotFound:
        case Cause::WriteFailed:
        case Cause::PastEndOfFile:
        case Cause::FileAccess:
        case Cause::InvalidCp932:
        case Cause::FileTooLarge:
            return true;
        case Cause::Overflow:
        case Cause::CodeOutOfRange:
        case Cause::NotRepresentable:
        case Cause::MovesLaterTexts:
        case Cause::CellNotAByte:
        case Cause::NoGlyphForCharacter:
            return false;
    }
    return false;
}

// The editor names a place in a file in Japanese, "fntdat.txt の 3 行目"; the CLI says
// "fntdat.txt:3". Other subjects are values or file names and stay as they are.
std::string englishPlace(const std::string& subject) {
    const std::string of = " の ", line = " 行目";
    const std::size_t split = subject.rfind(of);
    if (split == std::string::npos || !subject.ends_with(line)) return subject;
    const std::size_t number = split + of.size();
    return subject.substr(0, split) + ':' +
           subject.substr(number, subject.size() - line.size() - number);
}

}  // namespace

std::string englishMessage(const state::Failure& failure) {
    const std::string subject = englishPlace(failure.subject());
    switch (failure.cause()) {
        case Cause::Overflow:
            return "number out of range: " + subject;
        case Cause::CodeOutOfRange:
            return "code " + subject + " is not in 0-100";
        case Cause::FileNotFound:
            return subject + ": no such file";
        case Cause::WriteFailed:
            return subject + ": cannot write the file";
        case Cause::PastEndOfFile:
            return subject + ": the file ends before all 96 glyphs are read";
        case Cause::FileAccess:
            return subject + ": cannot access the file";
        case Cause::InvalidCp932:
            return subject + ": holds bytes that are not CP932";
        case Cause::NotRepresentable:
            return subject + ": holds a character that CP932 cannot represent";
        case Cause::MovesLaterTexts:
            return subject + ": holds a comma, a line end or an opening quotation mark";
        case Cause::FileTooLarge:
            return subject + ": the file is too large";
        case Cause::CellNotAByte:
            return cellPlace(*failure.facts().code, *failure.facts().column) + ": \"" +
                   state::escapedBytes(failure.facts().value) +
                   "\" is not a byte of one or two hexadecimal digits";
        case Cause::NoGlyphForCharacter:
            return "no glyph for the character \"" + state::escapedBytes(failure.facts().value) +
                   "\"";
    }
    return failure.description();
}

void inDirectory(const std::filesystem::path& dir, const std::function<void()>& action) {
    try {
        action();
    } catch (const state::Failure& failure) {
        if (!namesFile(failure.cause())) throw;
        throw state::Failure(failure.cause(), displayPath(dir, failure.subject()));
    }
}

void inFile(const std::string& file, const std::function<void()>& action) {
    try {
        action();
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = file;
        throw;
    }
}

std::string englishNote(const std::string& file, const files::ImportNote& note) {
    using Kind = files::ImportNote::Kind;
    const std::string name = "'" + state::escapedBytes(note.name) + "'";
    const std::string place = file + (note.line > 0 ? ":" + std::to_string(note.line) : "") + ": ";
    switch (note.kind) {
        case Kind::ArrayTaken:
            return place + "took the array " + name;
        case Kind::GlyphsFilled:
            return place + "the table ends early; the last " + std::to_string(note.count) +
                   (note.count == 1 ? " glyph is" : " glyphs are") + " left empty";
        case Kind::EncodingMissing:
            return place + "no glyph at ENCODING " + std::to_string(note.code.value_or(0)) +
                   "; its glyph is left empty";
        case Kind::GlyphCropped:
            return place + "glyph " + name + " (ENCODING " + std::to_string(note.code.value_or(0)) +
                   ") was cut to 5 x 8 dots";
    }
    return place + name;
}

std::string cellPlace(int code, int column) {
    return "code " + std::to_string(code) + " column " + std::to_string(column);
}

std::string labelPlace(int code) {
    return "label of code " + std::to_string(code);
}

std::string displayPath(const std::filesystem::path& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return (dir / name).string();
}

}  // namespace fontedit::cli
