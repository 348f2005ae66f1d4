#pragma once

// "書き出し…" for a font of any cell: a save dialog whose name filters are the formats convert
// writes, the format following the filter or the extension typed, then the option the chosen
// format takes (a PNG sheet's pixels a dot); the font's name is the file's.
#include <filesystem>
#include <optional>

#include "formats/registry.h"

class QWidget;

namespace fontedit::window {

struct BitmapExportChoice {
    std::filesystem::path file;
    const formats::FormatInfo* writer;
    formats::BitmapWriteSettings settings;
};

// Nothing when cancelled.
std::optional<BitmapExportChoice> askBitmapExport(QWidget* parent,
                                                  const std::filesystem::path& start);

}  // namespace fontedit::window
