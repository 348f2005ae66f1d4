#include "window/panel_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "state/failure.h"

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

// Whether the settings may be read and written: a FIFO or a device in the file's place would
// hold the window before it ever shows, so anything but a file is left alone, with a line on
// stderr once a run.
bool settingsUsable() {
    const QFileInfo file(settingsFile());
    if (!file.exists() || file.isFile()) return true;
    static bool told = false;
    if (!told) {
        std::fprintf(stderr, "fontedit: %s is not a regular file; no settings are read or kept\n",
                     state::escapedBytes(QFile::encodeName(settingsFile()).toStdString()).c_str());
        told = true;
    }
    return false;
}

std::unique_ptr<QSettings> usableSettings() {
    if (!settingsUsable()) return nullptr;
    return std::make_unique<QSettings>(kOrganisation, kApplication);
}

void keep(const QString& key, const QVariant& value) {
    if (const std::unique_ptr<QSettings> settings = usableSettings()) {
        settings->setValue(key, value);
    }
}

}  // namespace

// On a first start, and on every start until the panel is first opened, no settings are read.
PanelSettings readPanelSettings() {
    if (!QFileInfo::exists(settingsFile()) || !settingsUsable()) return {};
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
    keep(kShown, shown);
}

void keepPreviewText(const QString& text) {
    keep(kPreviewText, text);
}

void keepPreviewLook(const QString& name) {
    keep(kPreviewLook, name);
}

void keepPreviewLayout(const QString& name) {
    keep(kPreviewLayout, name);
}

std::unique_ptr<QSettings> programSettings() {
    return usableSettings();
}

QStringList recentFolders() {
    if (!QFileInfo::exists(settingsFile()) || !settingsUsable()) return {};
    return QSettings(kOrganisation, kApplication)
        .value(kRecentFolders)
        .toStringList()
        .mid(0, kMostRecentFolders);
}

void keepRecentFolder(const QString& folder) {
    QStringList folders = recentFolders();
    folders.removeAll(folder);
    folders.prepend(folder);
    keep(kRecentFolders, QStringList(folders.mid(0, kMostRecentFolders)));
}

}  // namespace fontedit::window
