#include "cli/messages.h"

#include <cstring>

namespace fontedit::cli {
namespace {

using state::Cause;

// "dir/fntdat.txt:12: " or "fntdat.txt: ", or nothing when the failure names no file.
std::string fileOf(const state::Facts& facts) {
    if (facts.file.empty()) return {};
    std::string place =
        state::escapedBytes(std::filesystem::path(facts.file).lexically_normal().string());
    if (facts.line > 0) place += ':' + std::to_string(facts.line);
    return place + ": ";
}

std::string placeOf(const state::Facts& facts) {
    const int code = facts.code.value_or(0);
    return facts.column ? cellPlace(code, *facts.column) : labelPlace(code);
}

// Text from the input in quotation marks, escaped and cut short.
std::string quoted(const std::string& value) {
    return '"' + state::shortenedValue(value) + '"';
}

std::string reasonOf(const state::Facts& facts) {
    if (facts.error == 0) return {};
    return std::string(" (") + std::strerror(facts.error) + ')';
}

std::string what(const state::Failure& failure) {
    const state::Facts& facts = failure.facts();
    switch (failure.cause()) {
        case Cause::Overflow:
            return "number out of range: " + state::shortenedValue(facts.value);
        case Cause::CodeOutOfRange:
            return "code " + std::to_string(facts.code.value_or(0)) + " is not in 0-100";
        case Cause::FileNotFound:
            return "no such file";
        case Cause::WriteFailed:
            return "cannot write the file" + reasonOf(facts);
        case Cause::PastEndOfFile:
            return "the file ends before all 96 glyphs are read";
        case Cause::PermissionDenied:
            return "the file is read-only; it was not replaced" + reasonOf(facts);
        case Cause::FileAccess:
            return "cannot access the file" + reasonOf(facts);
        case Cause::InvalidCp932:
            return "holds bytes that are not CP932: " + quoted(facts.value);
        case Cause::NotRepresentable:
            return placeOf(facts) + ": holds a character that CP932 cannot represent";
        case Cause::MovesLaterTexts:
            return placeOf(facts) + ": holds a comma, a line end or an opening quotation mark";
        case Cause::FileTooLarge:
            return "the file is too large";
        case Cause::NotARegularFile:
            return "not a regular file";
        case Cause::UnsafeLink:
            return "a symbolic link in a sticky folder others may write to, belonging to "
                   "someone else; it was not followed";
        case Cause::LinkTargetMissing:
            return "a symbolic link to nothing; its target was not created";
        case Cause::PartlyWritten:
            return "left half-written; its old content is in " + state::escapedBytes(facts.value) +
                   reasonOf(facts);
        case Cause::NoArray:
            return "no brace-enclosed list found";
        case Cause::ArrayNotFound:
            return "no array is called " + quoted(facts.value);
        case Cause::ArrayWidth:
            return "the array is " + state::escapedBytes(facts.value) +
                   " columns wide; a font of 5 columns is needed";
        case Cause::NoFontArray:
            return "no array fits a font 5 columns wide; name one with --array";
        case Cause::NotAConstant:
            return quoted(facts.value) + " is not an integer constant";
        case Cause::NotAByte:
            return quoted(facts.value) + " is not a byte";
        case Cause::ConditionalInList:
            return quoted(facts.value) +
                   " stands inside the list; preprocess the file first, as with 'cpp -P'";
        case Cause::ListNotClosed:
            return "the list opened here is never closed";
        case Cause::CommentNotClosed:
            return "the comment opened here is never closed";
        case Cause::PartialGlyph:
            return "the array ends inside a glyph, after " + state::escapedBytes(facts.value) +
                   " values";
        case Cause::OffsetPastEnd:
            return "the offset lies past the " + state::escapedBytes(facts.value) +
                   " values of the array";
        case Cause::RowTooLong:
            return "a row is longer than the array is wide: " + quoted(facts.value);
        case Cause::IfNotClosed:
            return "the '#if 0' here has no '#endif'";
        case Cause::NestingTooDeep:
            return quoted(facts.value) + " opens brackets nested too deep";
        case Cause::NotBdf:
            return "not a BDF font: the first line is " + quoted(facts.value);
        case Cause::BdfSyntax:
            return "a number is missing or malformed in " + quoted(facts.value);
        case Cause::GlyphTooLarge:
            return "glyph " + quoted(facts.value) +
                   " has dots outside the 5 x 8 cell; --crop cuts it to the cell";
        case Cause::BitmapRow:
            return quoted(facts.value) + " is not a bitmap row as wide as the glyph";
        case Cause::BdfNotClosed:
            return "glyph " + quoted(facts.value) + " has no ENDCHAR";
        case Cause::DuplicateEncoding:
            return "glyph " + quoted(facts.value) + " takes glyph " +
                   std::to_string(facts.code.value_or(0)) + " a second time";
        case Cause::NoGlyphInRange:
            return "no glyph has one of the 96 encodings from " + state::escapedBytes(facts.value) +
                   "; choose the first with --first";
        case Cause::CellNotAByte:
            return placeOf(facts) + ": " + quoted(facts.value) +
                   " is not a byte of one or two hexadecimal digits";
        case Cause::NoGlyphForCharacter:
            return "no glyph for the character " + quoted(facts.value);
        case Cause::NotAGlyph:
            return "not five hex bytes such as \"7C 12 11 12 7C\": " + quoted(facts.value);
    }
    return "failure " + std::to_string(failure.number());
}

}  // namespace

std::string englishMessage(const state::Failure& failure) {
    return fileOf(failure.facts()) + what(failure);
}

void inFile(const std::string& file, const std::function<void()>& action) {
    try {
        action();
    } catch (state::Failure& failure) {
        if (failure.facts().file.empty()) failure.facts().file = file;
        throw;
    }
}

std::string englishNote(const std::string& file, const formats::ImportNote& note) {
    using Kind = formats::ImportNote::Kind;
    const std::string name = "'" + state::escapedBytes(note.name) + "'";
    const std::string code = std::to_string(note.code.value_or(0));
    const std::string place = fileOf({.file = file, .line = note.line});
    switch (note.kind) {
        case Kind::ArrayTaken:
            return place + "took the array " + name;
        case Kind::GlyphsFilled:
            return place + "the table ends early; the last " + std::to_string(note.count) +
                   (note.count == 1 ? " glyph is" : " glyphs are") + " left empty";
        case Kind::EncodingMissing:
            return place + "no glyph at ENCODING " + code + "; its glyph is left empty";
        case Kind::GlyphCropped:
            return place + "glyph " + name + " (ENCODING " + code + ") was cut to 5 x 8 dots";
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
