#pragma once

// Copies of the tables' texts over a range of codes and columns, taken and stored whole:
// files are built from and parsed into a copy, so a failure never touches the tables.
#include <array>
#include <string>

#include "state/tables.h"

namespace fontedit::state {

template <int Codes, int FirstColumn, int Columns>
struct TableTexts {
    static constexpr int kCodes = Codes;
    static constexpr int kFirstColumn = FirstColumn;
    static constexpr int kColumns = Columns;

    // cells[code][column - FirstColumn]
    std::array<std::array<std::string, Columns>, Codes> cells;
    std::array<std::string, Codes> labels;

    bool operator==(const TableTexts&) const = default;
};

// The part of the tables that the files hold: codes 0-95, glyph columns 1-5 and labels.
using FontData = TableTexts<kSavedCodes, 1, kGlyphColumns>;
// Everything the tables hold: codes 0-100, columns 0-8 and labels.
using AllTableTexts = TableTexts<kCodeCount, 0, kTableColumns>;

template <class Texts>
Texts tableTexts(const FontTable& font, const LabelTable& labels);
// Replaces the range's cells and labels; the rest of the tables stays as it is.
template <class Texts>
void storeTableTexts(const Texts& texts, FontTable& font, LabelTable& labels);

}  // namespace fontedit::state
