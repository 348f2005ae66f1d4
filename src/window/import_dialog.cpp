#include "window/import_dialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "formats/common/font_bytes.h"
#include "formats/import_formats.h"
#include "state/failure.h"
#include "window/folder_actions.h"

namespace fontedit::window {
namespace {

class ImportDialog {
    Q_DECLARE_TR_FUNCTIONS(ImportDialog)
};

}  // namespace

std::optional<std::filesystem::path> chooseFontFile(QWidget* parent,
                                                    const std::filesystem::path& start) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, ImportDialog::tr("取り込み"), QFile::decodeName(start.c_str()),
        ImportDialog::tr("フォント (%1);;すべてのファイル (*)")
            .arg(QString::fromStdString(formats::importPatterns())));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

QPixmap readingPicture(const state::FontData& font) {
    constexpr int kGlyphs = 8, kDot = 2, kStep = (state::kGlyphColumns + 1) * kDot;
    QPixmap picture(kGlyphs * kStep, state::kGlyphRows * kDot);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor ink = QGuiApplication::palette().color(QPalette::ButtonText);
    int shown = 0;
    for (int code = 0; code < state::kSavedCodes && shown < kGlyphs; ++code) {
        state::GlyphBytes columns{};
        try {
            columns = formats::glyphBytes(font, code);
        } catch (const state::Failure&) {
            continue;
        }
        if (std::ranges::all_of(columns, [](std::uint8_t column) { return column == 0; })) {
            continue;
        }
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            for (int row = 0; row < state::kGlyphRows; ++row) {
                if (formats::dotLit(columns[column], row)) {
                    painter.fillRect(shown * kStep + column * kDot, row * kDot, kDot, kDot, ink);
                }
            }
        }
        ++shown;
    }
    return picture;
}

Question shapeQuestion(const std::filesystem::path& file,
                       const std::vector<formats::ShapeChoice>& choices,
                       const QList<QPixmap>& pictures) {
    QStringList answers;
    for (const formats::ShapeChoice& choice : choices) {
        answers << QString::fromStdString(choice.options);
    }
    answers << ImportDialog::tr("キャンセル");
    const int cancel = static_cast<int>(answers.size()) - 1;
    return {ImportDialog::tr("%1 の表がグリフをどう並べているか決められません。どの読み方で"
                             "取り込みますか？")
                .arg(shownPath(file.filename())),
            answers, 0, cancel, pictures};
}

}  // namespace fontedit::window
