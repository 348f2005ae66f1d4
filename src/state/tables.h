#pragma once

// The glyph table and the label table: every value is the text the user typed, never
// normalised. Access outside the code range fails with the code in the description.
#include <array>
#include <string>

namespace fontedit::state {

inline constexpr int kCodeCount = 101;   // codes 0-100 can be edited through a typed code
inline constexpr int kSavedCodes = 96;   // codes 0-95 are saved, read and exported
inline constexpr int kTableColumns = 9;  // columns 0-8; the glyph uses 1-5
inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 8;

class FontTable {
public:
    const std::string& cell(int code, int column) const;
    void setCell(int code, int column, std::string text);

private:
    std::array<std::array<std::string, kTableColumns>, kCodeCount> cells_;
};

class LabelTable {
public:
    const std::string& label(int code) const;
    void setLabel(int code, std::string text);

private:
    std::array<std::string, kCodeCount> labels_;
};

// Fails unless 0 <= code <= 100.
void checkCode(int code);

}  // namespace fontedit::state
