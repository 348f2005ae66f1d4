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

std::string reasonOf(const state::Facts& facts) {
    if (facts.error == 0) return {};
    return std::string(" (") + std::strerror(facts.error) + ')';
}

std::string what(const state::Failure& failure) {
    const state::Facts& facts = failure.facts();
    switch (failure.cause()) {
        case Cause::Overflow:
            return "number out of range: " + state::escapedBytes(facts.value);
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
            return "holds bytes that are not CP932: \"" + state::escapedBytes(facts.value) + '"';
        case Cause::NotRepresentable:
            return placeOf(facts) + ": holds a character that CP932 cannot represent";
        case Cause::MovesLaterTexts:
            return placeOf(facts) + ": holds a comma, a line end or an opening quotation mark";
        case Cause::FileTooLarge:
            return "the file is too large";
        case Cause::NotAGlyph:
            return "not five hex bytes such as \"7C 12 11 12 7C\": \"" +
                   state::escapedBytes(facts.value) + '"';
    }
    return "failure " + std::to_string(failure.number());
}

}  // namespace

std::string englishMessage(const state::Failure& failure) {
    return fileOf(failure.facts()) + what(failure);
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
