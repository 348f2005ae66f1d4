#pragma once

// "書き出し…": a save dialog whose name filters are the export formats, with the options the
// chosen format takes beneath them. The format follows the filter, or the extension typed;
// the options are kept for the next time.
#include <QString>
#include <filesystem>
#include <optional>

#include "formats/export_formats.h"

class QWidget;

namespace fontedit::window {

struct ExportChoice {
    std::filesystem::path file;
    formats::ExportFormat format;
    formats::ExportSettings settings;
};

// Nothing when cancelled.
std::optional<ExportChoice> askExport(QWidget* parent, const std::filesystem::path& start);

// The format a file of `fileName` is written in: `chosen` unless the name's extension belongs
// to another format and not to `chosen`.
formats::ExportFormat formatOf(const QString& fileName, formats::ExportFormat chosen);

// The name in the field once the format `format` is chosen: its own name where the field holds
// the one the dialog suggested, or nothing; else the name typed, with `format`'s extension.
QString nameForFormat(const QString& typed, const QString& suggested, formats::ExportFormat format);

}  // namespace fontedit::window
