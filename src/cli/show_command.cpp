#include <iostream>

#include "cli/commands.h"
#include "cli/glyph_art.h"
#include "cli/messages.h"
#include "cli/text_width.h"
#include "files/font_files.h"

namespace fontedit::cli {
namespace {

// Ten glyphs to a band keeps the sheet within 80 columns and each band one decade of codes.
constexpr int kSheetGlyphs = 10;
constexpr int kSheetCell = 7;

void printGlyph(const files::FontData& data, int code) {
    const GlyphColumns& columns = data.cells[code];
    std::cout << code << " \"" << data.labels[code] << "\" ";
    for (std::size_t column = 0; column < columns.size(); ++column) {
        std::cout << (column == 0 ? " " : ", ") << columns[column];
    }
    std::cout << '\n';
    for (int row = 0; row < state::kGlyphRows; ++row) std::cout << glyphRow(columns, row) << '\n';
}

std::string withoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void printSheet(const files::FontData& data) {
    for (int first = 0; first < state::kSavedCodes; first += kSheetGlyphs) {
        const int last = std::min(first + kSheetGlyphs, state::kSavedCodes);
        std::string header;
        for (int code = first; code < last; ++code) {
            const std::string number = std::to_string(code);
            header += std::string(2 - std::min<std::size_t>(2, number.size()), ' ') + number + ' ' +
                      fitToWidth(data.labels[code], kSheetCell - 3);
        }
        std::cout << (first == 0 ? "" : "\n") << withoutTrailingBlanks(header) << '\n';
        for (int row = 0; row < state::kGlyphRows; ++row) {
            std::string art;
            for (int code = first; code < last; ++code) {
                art += glyphRow(data.cells[code], row) + "  ";
            }
            std::cout << withoutTrailingBlanks(art) << '\n';
        }
    }
}

}  // namespace

void showCommand(const CommandLine& line) {
    const files::FontData data = files::loadFontFiles(line.dir);
    if (line.codes.empty()) {
        printSheet(data);
        return;
    }
    for (std::size_t i = 0; i < line.codes.size(); ++i) {
        if (i > 0) std::cout << '\n';
        printGlyph(data, line.codes[i]);
    }
}

}  // namespace fontedit::cli
