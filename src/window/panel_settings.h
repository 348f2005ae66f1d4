#pragma once

// What the 一覧 panel keeps between runs, in ~/.config/fontedit/fontedit.conf.
#include <QString>

namespace fontedit::window {

struct PanelSettings {
    bool shown = false;
    QString previewText;
};

PanelSettings readPanelSettings();
void keepPanelShown(bool shown);
void keepPreviewText(const QString& text);

}  // namespace fontedit::window
