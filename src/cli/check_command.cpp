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
    void add(const state::Failure& failure) {
        std::cerr << "fontedit-cli: " << englishMessage(failure) << '\n';
        ++count_;
    }
    int count() const { return count_; }

private:
    int count_ = 0;
};

void reportEnd(const std::string& file, std::size_t line, FaultReport& report) {
    report.add(state::Failure(state::Cause::PastEndOfFile,
                              {.file = file, .line = static_cast<int>(line)}));
}

// The first fault of a cell: bytes that are not CP932, or no byte as export and render read
// it. An empty cell, which they read as 0, is a fault too.
void checkCell(std::string_view cell, state::Facts where, FaultReport& report) {
    try {
        formats::fromCp932(cell, where);
        formats::cellByte(cell, *where.code, *where.column);
    } catch (state::Failure& failure) {
        failure.facts().file = where.file;
        failure.facts().line = where.line;
        report.add(failure);
        return;
    }
    if (cell.find_first_not_of(' ') == std::string_view::npos) {
        where.value = std::string(cell);
        report.add(state::Failure(state::Cause::CellNotAByte, std::move(where)));
    }
}

// The cells are read field by field, as the editor reads them, whatever the line structure;
// what stands after the 480th is never read.
void checkFontFile(std::string_view bytes, const std::string& file, FaultReport& report) {
    formats::FieldReader reader(bytes);
    for (int index = 0; index < kCells; ++index) {
        const std::optional<std::string> cell = reader.next();
        if (!cell) {
            const std::size_t lineCount = formats::splitLines(bytes, kAllLines).size();
            reportEnd(file, lineCount < state::kSavedCodes ? lineCount + 1 : lineCount, report);
            return;
        }
        checkCell(*cell,
                  {.file = file,
                   .line = reader.line(),
                   .code = index / state::kGlyphColumns,
                   .column = index % state::kGlyphColumns + 1},
                  report);
    }
}

// One label a line, as the editor reads them; lines after the 96th are never read.
void checkLabelFile(std::string_view bytes, const std::string& file, FaultReport& report) {
    const std::vector<std::string_view> lines = formats::splitLines(bytes, state::kSavedCodes);
    for (std::size_t code = 0; code < lines.size(); ++code) {
        try {
            formats::fromCp932(lines[code], {.file = file, .line = static_cast<int>(code + 1)});
        } catch (const state::Failure& failure) {
            report.add(failure);
        }
    }
    if (lines.size() < state::kSavedCodes) reportEnd(file, lines.size() + 1, report);
}

// A missing file is one more fault; the other file is still checked.
void checkFile(const std::filesystem::path& dir, const char* name, FaultReport& report,
               void (*checkBytes)(std::string_view, const std::string&, FaultReport&)) {
    std::string bytes;
    try {
        bytes = storage::readFileStart(dir / name, kMostCheckedBytes).bytes;
    } catch (const state::Failure& failure) {
        report.add(failure);
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
