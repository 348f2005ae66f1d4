#include "window/panel_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace fontedit::window {
namespace {

const QString kOrganisation = QStringLiteral("fontedit");
const QString kApplication = QStringLiteral("fontedit");
const QString kShown = QStringLiteral("panel/shown");
const QString kPreviewText = QStringLiteral("panel/previewText");
const QString kPreviewLook = QStringLiteral("panel/previewLook");
const QString kPreviewLayout = QStringLiteral("panel/previewLayout");
const QString kRecentFolders = QStringLiteral("folders/recent");
constexpr int kMostRecentFolders = 5;

// Where QSettings keeps them on this system, so that the start can look without reading.
QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.conf").arg(kOrganisation, kApplication);
}

}  // namespace

// On a first start, and on every start until the panel is first opened, no settings are read.
PanelSettings readPanelSettings() {
    if (!QFileInfo::exists(settingsFile())) return {};
    const QSettings settings(kOrganisation, kApplication);
    PanelSettings read{
        settings.value(kShown, false).toBool(), settings.value(kPreviewText).toString(),
        settings.value(kPreviewLook).toString(), settings.value(kPreviewLayout).toString()};
    if (read.previewText.size() > kLongestPreviewText) {
        std::fprintf(stderr, "fontedit: the preview text in %s is cut to its first %d characters\n",
                     QFile::encodeName(settingsFile()).constData(), kLongestPreviewText);
        read.previewText.truncate(kLongestPreviewText);
    }
    return read;
}

void keepPanelShown(bool shown) {
    QSettings(kOrganisation, kApplication).setValue(kShown, shown);
}

void keepPreviewText(const QString& text) {
    QSettings(kOrganisation, kApplication).setValue(kPreviewText, text);
}

void keepPreviewLook(const QString& name) {
    QSettings(kOrganisation, kApplication).setValue(kPreviewLook, name);
}

void keepPreviewLayout(const QString& name) {
    QSettings(kOrganisation, kApplication).setValue(kPreviewLayout, name);
}

std::unique_ptr<QSettings> programSettings() {
    return std::make_unique<QSettings>(kOrganisation, kApplication);
}

QStringList recentFolders() {
    if (!QFileInfo::exists(settingsFile())) return {};
    return QSettings(kOrganisation, kApplication).value(kRecentFolders).toStringList();
}

void keepRecentFolder(const QString& folder) {
    QStringList folders = recentFolders();
    folders.removeAll(folder);
    folders.prepend(folder);
    QSettings(kOrganisation, kApplication)
        .setValue(kRecentFolders, QStringList(folders.mid(0, kMostRecentFolders)));
}

}  // namespace fontedit::window
