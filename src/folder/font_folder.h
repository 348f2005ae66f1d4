#pragma once

// A font's folder: "fntdat.txt" and "mojidat.txt" read with a cap and written together
// atomically, and "font.h" written beside them.
#include <filesystem>

#include "formats/font_data.h"

namespace fontedit::folder {

// Reads and checks both files; a failure names the file with its folder.
formats::FontData loadFont(const std::filesystem::path& dir);

// Encodes both files before writing either, then writes them atomically.
void saveFont(const formats::FontData& data, const std::filesystem::path& dir);

// "Cヘッダ生成": writes the header atomically.
void exportHeader(const formats::FontData& data, const std::filesystem::path& dir);

}  // namespace fontedit::folder
