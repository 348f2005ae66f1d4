#pragma once

// Where the sheet of all 96 glyphs puts each one, in dots: 16 to a row, two blank dots between
// them and around them. render draws on this grid and the PNG import reads it back.
#include "state/tables.h"

namespace fontedit::pictures {

inline constexpr int kSheetColumns = 16;
inline constexpr int kSheetGap = 2;
inline constexpr int kSheetRows = (state::kSavedCodes + kSheetColumns - 1) / kSheetColumns;
inline constexpr int kSheetPitchX = state::kGlyphColumns + kSheetGap;
inline constexpr int kSheetPitchY = state::kGlyphRows + kSheetGap;
inline constexpr int kSheetWidthDots = kSheetColumns * kSheetPitchX + kSheetGap;
inline constexpr int kSheetHeightDots = kSheetRows * kSheetPitchY + kSheetGap;

// The dot at the top left of glyph `code`.
constexpr int sheetGlyphLeft(int code) {
    return kSheetGap + code % kSheetColumns * kSheetPitchX;
}
constexpr int sheetGlyphTop(int code) {
    return kSheetGap + code / kSheetColumns * kSheetPitchY;
}

}  // namespace fontedit::pictures
