#include "window/folder_actions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include "state/failure.h"
#include "window/panel_settings.h"

namespace fontedit::window {
namespace {

class FolderActions {
    Q_DECLARE_TR_FUNCTIONS(FolderActions)
};

}  // namespace

std::optional<std::filesystem::path> chooseFolder(QWidget* parent,
                                                  const std::filesystem::path& start) {
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, FolderActions::tr("フォルダを開く"), QFile::decodeName(start.c_str()));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

void addRecentFolders(QMenu& menu, const std::function<void(const std::filesystem::path&)>& open) {
    QMenu* recent = menu.addMenu(FolderActions::tr("最近のフォルダ"));
    const QStringList folders = recentFolders();
    recent->setEnabled(!folders.isEmpty());
    for (const QString& folder : folders) {
        const std::filesystem::path dir(QFile::encodeName(folder).toStdString());
        QObject::connect(recent->addAction(shownPath(dir)), &QAction::triggered, &menu,
                         [open, dir] { open(dir); });
    }
}

void keepOpenedFolder(const std::filesystem::path& dir) {
    keepRecentFolder(QFile::decodeName(std::filesystem::absolute(dir).c_str()));
}

namespace {

// `line` words the place as %1 and the state of the work as %2.
QString workStatus(const QString& line, const std::filesystem::path& place, bool unsaved,
                   bool recoveryOff) {
    QString status = line.arg(shownPath(std::filesystem::absolute(place).lexically_normal()),
                              unsaved ? FolderActions::tr("未保存の変更があります")
                                      : FolderActions::tr("変更はすべて保存済みです"));
    // The start's message about it is gone with one click; the work is unguarded all along.
    if (recoveryOff) status += FolderActions::tr(" — 復元ファイルは残していません");
    return status;
}

}  // namespace

QString folderStatus(const std::filesystem::path& dir, bool unsaved, bool recoveryOff) {
    return workStatus(FolderActions::tr("フォルダ: %1 — %2"), dir, unsaved, recoveryOff);
}

QString fontFileStatus(const std::filesystem::path& file, bool unsaved, bool recoveryOff) {
    return workStatus(FolderActions::tr("ファイル: %1 — %2"), file, unsaved, recoveryOff);
}

QString shownPath(const std::filesystem::path& path) {
    return QString::fromStdString(state::escapedBytes(path.string()));
}

}  // namespace fontedit::window
