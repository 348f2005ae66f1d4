#pragma once

// A font's folder: "fntdat.txt" and "mojidat.txt" read with a cap and written together
// atomically, and "font.h" written beside them.
#include <filesystem>
#include <string_view>
#include <vector>

#include "formats/own/font_files.h"
#include "state/failure.h"
#include "state/font_data.h"

namespace fontedit::folder {

// The font and the bytes it was read from; a file cut at the cap is held only that far.
struct LoadedFont {
    state::FontData data;
    formats::FontFiles bytes;
};

// Reads and checks both files; a failure names the file with its folder.
state::FontData loadFont(const std::filesystem::path& dir);
LoadedFont loadFontFiles(const std::filesystem::path& dir);
// Every fault loadFont would meet, were it to go on past the first: a file that cannot be
// read, then what formats::checkFontFiles finds in the file, for each file in turn.
std::vector<state::Failure> fontFaults(const std::filesystem::path& dir);
// The same, keeping in `data` what the files hold, faults and all.
std::vector<state::Failure> fontFaults(const std::filesystem::path& dir, state::FontData& data);

// Encodes both files before writing either, then writes them atomically.
void saveFont(const state::FontData& data, const std::filesystem::path& dir);
void saveFont(const formats::FontFiles& bytes, const std::filesystem::path& dir);
// The same, creating `dir` and the folders above it that are missing, and removing those again
// when saving fails, so that a failed save leaves no empty folder behind. A folder that cannot
// be made fails with DirectoryNotCreated.
void saveFontCreatingFolder(const state::FontData& data, const std::filesystem::path& dir);

// "Cヘッダ生成": writes the header atomically.
void exportHeader(const state::FontData& data, const std::filesystem::path& dir);
void exportHeader(std::string_view headerBytes, const std::filesystem::path& dir);

// What a font file at `path` holds now, as far as loadFontFiles reads it.
std::string fontFileStart(const std::filesystem::path& path);

}  // namespace fontedit::folder
