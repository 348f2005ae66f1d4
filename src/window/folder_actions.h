#pragma once

// Choosing the font's folder: the desktop's folder dialog, the folders opened last, and the
// line that says which folder is open and whether its font has unsaved work.
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace fontedit::window {

// "フォルダを開く…", from `start`; nothing when cancelled.
std::optional<std::filesystem::path> chooseFolder(QWidget* parent,
                                                  const std::filesystem::path& start);

// The folders opened last, as entries of `menu` that hand their folder to `open`.
void addRecentFolders(QMenu& menu, const std::function<void(const std::filesystem::path&)>& open);

// Kept for the next runs' menus.
void keepOpenedFolder(const std::filesystem::path& dir);

// "フォルダ: /home/me/font — 未保存の変更があります", and a note when no recovery file is kept.
QString folderStatus(const std::filesystem::path& dir, bool unsaved, bool recoveryOff = false);

// The same for a general font's file: "ファイル: /home/me/font.bdf — …".
QString fontFileStatus(const std::filesystem::path& file, bool unsaved, bool recoveryOff = false);

// A path for the user's eyes, every byte that is not text escaped.
QString shownPath(const std::filesystem::path& path);

}  // namespace fontedit::window
