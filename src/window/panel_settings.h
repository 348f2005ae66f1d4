#pragma once

// What the 一覧 panel keeps between runs, in ~/.config/fontedit/fontedit.conf.
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace fontedit::window {

// The preview shows a line of a few dozen characters; a longer text kept in the settings is
// cut to this as it is read, so that no settings file can slow the start.
inline constexpr int kLongestPreviewText = 1000;

struct PanelSettings {
    bool shown = false;
    QString previewText;
    QString previewLook;    // a look's name, as render --look takes it
    QString previewLayout;  // COLUMNSxROWS, as render --layout takes it; empty for a line
};

// A preview text past kLongestPreviewText is cut, with a line on stderr.
PanelSettings readPanelSettings();
void keepPanelShown(bool shown);
void keepPreviewText(const QString& text);
void keepPreviewLook(const QString& name);
void keepPreviewLayout(const QString& name);

// The same file, for the window's other settings; nothing when it is no regular file, and
// then nothing is read or kept.
std::unique_ptr<QSettings> programSettings();

// The folders opened last, newest first; at most five are kept, and read.
QStringList recentFolders();
void keepRecentFolder(const QString& folder);

}  // namespace fontedit::window
