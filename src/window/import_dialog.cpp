#include "window/import_dialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "formats/import_formats.h"
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

Question shapeQuestion(const std::filesystem::path& file,
                       const std::vector<formats::ShapeChoice>& choices) {
    QStringList answers;
    for (const formats::ShapeChoice& choice : choices) {
        answers << QString::fromStdString(choice.options);
    }
    answers << ImportDialog::tr("キャンセル");
    const int cancel = static_cast<int>(answers.size()) - 1;
    return {ImportDialog::tr("%1 の表がグリフをどう並べているか決められません。どの読み方で"
                             "取り込みますか？")
                .arg(shownPath(file.filename())),
            answers, 0, cancel};
}

}  // namespace fontedit::window
