#pragma once

// The 一覧 panel beside the editing controls: the overview of all 96 glyphs and a line of text
// drawn in the font, in a display look and on a character LCD if chosen. Both follow the tables
// through their change notices; a glyph chosen in the overview is handed on, as the panel edits
// nothing itself.
#include <QWidget>
#include <functional>

#include "editing/editor.h"
#include "window/panel_settings.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace fontedit::window {

class GlyphOverview;
class TextPreview;

class GlyphPanel : public QWidget {
    Q_OBJECT

public:
    using Chooser = std::function<void(int code)>;

    // The preview starts with the text, look and layout kept from the last run. The panel is
    // `height` pixels high, or more when its preview needs more.
    GlyphPanel(editing::Editor& editor, Chooser choose, int height, QWidget* parent = nullptr);
    // Keeps whether it shows and the preview's text, look and layout for the next run.
    ~GlyphPanel() override;

    // A row of buttons at the foot of the panel, one an action.
    void addFileActions(const QList<QAction*>& actions);
    // Which folder is open and whether there is unsaved work, above that row.
    void setStatus(const QString& text);

signals:
    void heightChanged();

private:
    void follow(editing::Editor& editor);
    void addStyleChoices();
    // The preview's area, the LCD's notes below it and the foot, from the preview's size.
    void placeBelowField();
    QString lookName() const;
    QString layoutName() const;

    GlyphOverview* overview_;
    QLineEdit* previewField_;
    QComboBox* lookChoice_;
    QComboBox* layoutChoice_;
    QScrollArea* previewArea_;
    TextPreview* preview_;
    QLabel* notes_;
    QLabel* status_;
    QList<QToolButton*> actions_;
    int leastHeight_;
    PanelSettings kept_;
};

}  // namespace fontedit::window
