#include "window/bitmap_export_dialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "formats/png/png_render.h"

namespace fontedit::window {
namespace {

// The formats that write a font of any cell, in the registry's order.
std::vector<const formats::FormatInfo*> bitmapWriterRows() {
    std::vector<const formats::FormatInfo*> rows;
    for (const formats::FormatInfo& row : formats::formatRows()) {
        if (row.writeBitmap != nullptr) rows.push_back(&row);
    }
    return rows;
}

QString bitmapFilterOf(const formats::FormatInfo& writer) {
    QStringList patterns;
    for (const std::string_view extension : writer.extensions)
        patterns << QStringLiteral("*") +
                        QString::fromUtf8(extension.data(), qsizetype(extension.size()));
    // The display libraries' sources have no extension of their own.
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    return QStringLiteral("%1 (%2)").arg(
        QString::fromUtf8(writer.word.data(), qsizetype(writer.word.size())), patterns.join(u' '));
}

}  // namespace

std::optional<BitmapExportChoice> askBitmapExport(QWidget* parent,
                                                  const std::filesystem::path& start) {
    QStringList filters;
    const std::vector<const formats::FormatInfo*> rows = bitmapWriterRows();
    for (const formats::FormatInfo* writer : rows) filters << bitmapFilterOf(*writer);
    QString chosenFilter = filters.front();
    const QString name = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("fontedit::window::Form1", "書き出し…"),
        QFile::decodeName(start.c_str()), filters.join(QStringLiteral(";;")), &chosenFilter);
    if (name.isEmpty()) return std::nullopt;
    const std::filesystem::path file(QFile::encodeName(name).toStdString());
    // An extension typed that the filter's format does not write wins over the filter, as
    // convert takes OUT's; a display library's source may be named anything.
    const formats::FormatInfo* writer = rows[std::size_t(filters.indexOf(chosenFilter))];
    const auto writes = [&](const formats::FormatInfo& row) {
        return std::ranges::find(row.extensions, file.extension().string()) != row.extensions.end();
    };
    if (!writer->extensions.empty() && !writes(*writer)) {
        for (const formats::FormatInfo* candidate : rows) {
            if (writes(*candidate)) writer = candidate;
        }
    }
    formats::BitmapWriteSettings settings;
    settings.name = file.stem().string();
    if (writer->word == "png") {
        bool given = false;
        settings.scale = QInputDialog::getInt(
            parent, QCoreApplication::translate("fontedit::window::Form1", "書き出し…"),
            QCoreApplication::translate("ExportDialog", "倍率 (--scale):"), formats::kDefaultScale,
            1, formats::kLargestScale, 1, &given);
        if (!given) return std::nullopt;
    }
    return BitmapExportChoice{file, writer, settings};
}

}  // namespace fontedit::window
