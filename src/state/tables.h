#pragma once

// The glyph table and the label table: every value is the text the user typed, never
// normalised. Access outside the code range fails with the code in the description.
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace fontedit::state {

inline constexpr int kCodeCount = 101;   // codes 0-100 can be edited through a typed code
inline constexpr int kSavedCodes = 96;   // codes 0-95 are saved, read and exported
inline constexpr int kTableColumns = 9;  // columns 0-8; the glyph uses 1-5
inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 8;
// The character glyph 0 stands for, unless a font or the user says otherwise: the space.
inline constexpr int kFirstCharacter = 0x20;

class FontTable {
public:
    // Told before a write replaces a cell with a different text, with the text it replaces.
    using Observer = std::function<void(int code, int column, const std::string& before)>;

    const std::string& cell(int code, int column) const;
    void setCell(int code, int column, std::string text);

    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

private:
    std::array<std::array<std::string, kTableColumns>, kCodeCount> cells_;
    std::vector<Observer> observers_;
};

class LabelTable {
public:
    // Told before a write replaces a label with a different text, with the text it replaces.
    using Observer = std::function<void(int code, const std::string& before)>;

    const std::string& label(int code) const;
    void setLabel(int code, std::string text);

    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

private:
    std::array<std::string, kCodeCount> labels_;
    std::vector<Observer> observers_;
};

// Fails unless 0 <= code <= 100.
void checkCode(int code);

}  // namespace fontedit::state
