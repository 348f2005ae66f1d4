#include <iostream>
#include <limits>
#include <memory>

#include "cli/commands.h"
#include "cli/messages.h"
#include "folder/font_folder.h"
#include "formats/cp932.h"
#include "formats/field_reader.h"
#include "formats/font_bytes.h"
#include "formats/font_files.h"
#include "formats/line_ends.h"
#include "storage/read_file.h"

namespace fontedit::cli {
namespace {

constexpr std::size_t kAllLines = std::numeric_limits<std::size_t>::max();
constexpr int kCells = state::kSavedCodes * state::kGlyphColumns;
// Far more than 96 lines of any font file; what lies beyond is never read by the editor.
constexpr std::size_t kMostCheckedBytes = 1 << 20;

class FaultReport {
public:
    void add(const std::string& file, int line, const std::string& message) {
        std::cerr << "fontedit-cli: " << state::escapedBytes(file) << ':' << line << ": " << message
                  << '\n';
        ++count_;
    }
    void add(const std::string& message) {
        std::cerr << "fontedit-cli: " << message << '\n';
        ++count_;
    }
    int count() const { return count_; }

private:
    int count_ = 0;
};

bool isCp932(std::string_view bytes) {
    try {
        formats::fromCp932(bytes);
        return true;
    } catch (const state::Failure&) {
        return false;
    }
}

// What export and render take as a byte, and not left empty.
bool isHexByte(std::string_view cell) {
    if (cell.find_first_not_of(' ') == std::string_view::npos) return false;
    try {
        formats::cellByte(cell, 0, 1);
        return true;
    } catch (const state::Failure&) {
        return false;
    }
}

void reportTooShort(std::size_t lineCount, const std::string& file, FaultReport& report) {
    report.add(file, static_cast<int>(lineCount + 1),
               "missing: the file has " + std::to_string(lineCount) + " lines, 96 are needed");
}

// The cells are read field by field, as the editor reads them, whatever the line structure;
// what stands after the 480th is never read.
void checkFontFile(std::string_view bytes, const std::string& file, FaultReport& report) {
    formats::FieldReader reader(bytes);
    for (int index = 0; index < kCells; ++index) {
        const std::optional<std::string> cell = reader.next();
        if (!cell) {
            const std::size_t lineCount = formats::splitLines(bytes, kAllLines).size();
            if (lineCount < state::kSavedCodes) {
                reportTooShort(lineCount, file, report);
            } else {
                report.add(file, static_cast<int>(lineCount),
                           "the file ends after " + std::to_string(index) + " of " +
                               std::to_string(kCells) + " cells");
            }
            return;
        }
        const std::string place =
            cellPlace(index / state::kGlyphColumns, index % state::kGlyphColumns + 1);
        if (!isCp932(*cell)) {
            report.add(file, reader.line(), place + ": holds bytes that are not CP932");
        } else if (!isHexByte(*cell)) {
            report.add(file, reader.line(),
                       place + ": \"" + state::shortenedValue(*cell) +
                           "\" is not a hexadecimal byte of one or two digits");
        }
    }
}

// One label a line, as the editor reads them; lines after the 96th are never read.
void checkLabelFile(std::string_view bytes, const std::string& file, FaultReport& report) {
    const std::vector<std::string_view> lines = formats::splitLines(bytes, state::kSavedCodes);
    for (std::size_t code = 0; code < lines.size(); ++code) {
        if (!isCp932(lines[code])) {
            report.add(file, static_cast<int>(code + 1),
                       labelPlace(static_cast<int>(code)) + ": holds bytes that are not CP932");
        }
    }
    if (lines.size() < state::kSavedCodes) reportTooShort(lines.size(), file, report);
}

// A missing file is one more fault; the other file is still checked.
void checkFile(const std::filesystem::path& dir, const char* name, FaultReport& report,
               void (*checkBytes)(std::string_view, const std::string&, FaultReport&)) {
    std::string bytes;
    try {
        bytes = storage::readFileStart(dir / name, kMostCheckedBytes).bytes;
    } catch (const state::Failure& failure) {
        report.add(englishMessage(failure));
        return;
    }
    checkBytes(bytes, displayPath(dir, name), report);
}

bool check(const std::filesystem::path& dir) {
    FaultReport report;
    checkFile(dir, formats::kFontFileName, report, checkFontFile);
    checkFile(dir, formats::kLabelFileName, report, checkLabelFile);
    if (report.count() == 0) {
        // Whatever the checks above missed, the editor's own Read must accept the files.
        folder::loadFont(dir);
        return true;
    }
    std::cerr << "fontedit-cli: " << report.count() << (report.count() == 1 ? " fault" : " faults")
              << " found\n";
    return false;
}

}  // namespace

void addCheckCommand(CLI::App& app) {
    auto dir = std::make_shared<std::string>(".");
    CLI::App* command = app.add_subcommand(
        "check", "Report every fault of the font files of DIR with file and line.");
    command->add_option("DIR", *dir, "the font's directory (default .)")->type_name("");
    command->callback([dir] {
        if (!check(*dir)) throw CLI::RuntimeError(1);
    });
}

}  // namespace fontedit::cli
