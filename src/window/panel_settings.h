#pragma once

// What the 一覧 panel keeps between runs, in ~/.config/fontedit/fontedit.conf.
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace fontedit::window {

struct PanelSettings {
    bool shown = false;
    QString previewText;
};

PanelSettings readPanelSettings();
void keepPanelShown(bool shown);
void keepPreviewText(const QString& text);

// The same file, for the window's other settings.
std::unique_ptr<QSettings> programSettings();

// The folders opened last, newest first; at most five are kept.
QStringList recentFolders();
void keepRecentFolder(const QString& folder);

}  // namespace fontedit::window
