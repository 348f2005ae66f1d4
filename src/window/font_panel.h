#pragma once

// The 一覧 panel of a font of any cell: every glyph in a list that paints only what is in view,
// a search by character or range that narrows it, and a line of text drawn in the font in any
// display look. It follows the editor's notices; a glyph chosen is handed on, as the panel edits
// nothing itself.
#include <QWidget>
#include <functional>
#include <span>

#include "editing/bitmap_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace fontedit::window {

class BitmapPreview;
class GlyphList;

class FontPanel : public QWidget {
    Q_OBJECT

public:
    using Chooser = std::function<void(char32_t character)>;

    FontPanel(editing::BitmapEditor& editor, Chooser choose, QWidget* parent = nullptr);

    GlyphList* list() const { return list_; }
    // Which file is open and whether there is unsaved work.
    void setStatus(const QString& text);

private:
    void search(const QString& text);

    editing::BitmapEditor& editor_;
    QLineEdit* searchField_;
    GlyphList* list_;
    QLineEdit* previewField_;
    QComboBox* lookChoice_;
    BitmapPreview* preview_;
    QLabel* status_;
    std::size_t glyphCount_;
};

}  // namespace fontedit::window
