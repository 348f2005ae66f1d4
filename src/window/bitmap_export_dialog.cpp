#include "window/bitmap_export_dialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>

#include "formats/png/png_render.h"

namespace fontedit::window {
namespace {

QString filterOf(const formats::BitmapWriter& writer) {
    QStringList patterns;
    for (const std::string_view extension : writer.extensions)
        patterns << QStringLiteral("*") +
                        QString::fromUtf8(extension.data(), qsizetype(extension.size()));
    return QStringLiteral("%1 (%2)").arg(
        QString::fromUtf8(writer.word.data(), qsizetype(writer.word.size())), patterns.join(u' '));
}

}  // namespace

std::optional<BitmapExportChoice> askBitmapExport(QWidget* parent,
                                                  const std::filesystem::path& start) {
    QStringList filters;
    for (const formats::BitmapWriter& writer : formats::bitmapWriters())
        filters << filterOf(writer);
    QString chosenFilter = filters.front();
    const QString name = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("fontedit::window::Form1", "書き出し…"),
        QFile::decodeName(start.c_str()), filters.join(QStringLiteral(";;")), &chosenFilter);
    if (name.isEmpty()) return std::nullopt;
    const std::filesystem::path file(QFile::encodeName(name).toStdString());
    // The extension typed wins over the filter, as convert takes OUT's.
    const formats::BitmapWriter* writer = &formats::bitmapWriters()[filters.indexOf(chosenFilter)];
    for (const formats::BitmapWriter& candidate : formats::bitmapWriters()) {
        for (const std::string_view extension : candidate.extensions) {
            if (file.extension() == extension) writer = &candidate;
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
