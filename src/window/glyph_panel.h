#pragma once

// The 一覧 panel beside the editing controls: the overview of all 96 glyphs and a line of text
// drawn in the font. Both follow the tables through their change notices; a glyph chosen in
// the overview is handed on, as the panel edits nothing itself.
#include <QWidget>
#include <functional>

#include "editing/editor.h"
#include "window/panel_settings.h"

class QAction;
class QLabel;
class QLineEdit;

namespace fontedit::window {

class GlyphOverview;
class TextPreview;

class GlyphPanel : public QWidget {
    Q_OBJECT

public:
    using Chooser = std::function<void(int code)>;

    // The preview starts with the text kept from the last run.
    GlyphPanel(editing::Editor& editor, Chooser choose, int height, QWidget* parent = nullptr);
    // Keeps whether it shows and the preview's text for the next run.
    ~GlyphPanel() override;

    // A row of buttons at the foot of the panel, one an action.
    void addFileActions(const QList<QAction*>& actions);
    // Which folder is open and whether there is unsaved work, above that row.
    void setStatus(const QString& text);

private:
    void follow(editing::Editor& editor);

    GlyphOverview* overview_;
    QLineEdit* previewField_;
    TextPreview* preview_;
    QLabel* status_;
    PanelSettings kept_;
};

}  // namespace fontedit::window
