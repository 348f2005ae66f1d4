#pragma once

// "fntdat.txt" (the five column texts of each glyph) and "mojidat.txt" (the labels), both
// CP932 with CRLF line ends: Save writes them from the tables, Read loads them back.
#include <filesystem>
#include <string>
#include <string_view>

#include "editing/editor.h"
#include "files/font_data.h"
#include "state/editor_state.h"

namespace fontedit::files {

inline constexpr const char* kFontFileName = "fntdat.txt";
inline constexpr const char* kLabelFileName = "mojidat.txt";

std::string fontFileBytes(const FontData& data);
std::string labelFileBytes(const FontData& data);

// Checks both files completely: too few fields or lines is PastEndOfFile, bytes that are not
// CP932 InvalidCp932. Lines after the 96th are ignored. Labels are read one whole line each,
// so that blanks, commas and quotation marks in them come back unchanged.
FontData parseFontFiles(std::string_view fontBytes, std::string_view labelBytes);
FontData loadFontFiles(const std::filesystem::path& dir);

// The bytes of both files, as Save writes them.
struct FontFiles {
    std::string font;
    std::string labels;
};

// "保存": encodes both files before writing either, then writes them atomically. The first
// form only encodes them, for a caller that keeps the files elsewhere.
FontFiles saveFont(const state::EditorState& state);
void saveFont(const state::EditorState& state, const std::filesystem::path& dir);
// The same for the editor, whose tables then count as saved.
void saveFont(editing::Editor& editor, const std::filesystem::path& dir);
// "読出し": loads and checks both files, then stores codes 0-95 as one undo step, counts them
// as saved and shows the current code's glyph, which may still fail on the code field after
// the tables were loaded. The first form reads files already in memory.
void readFont(editing::Editor& editor, const FontFiles& files);
void readFont(editing::Editor& editor, const std::filesystem::path& dir);

}  // namespace fontedit::files
