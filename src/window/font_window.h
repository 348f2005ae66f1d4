#pragma once

// The window of a font of any cell, bound to its BDF file: the dot grid, the character field,
// the glyph's name and advance, the hex fields, the buttons and the 一覧 panel. A view over one
// document::BitmapDocument: it mirrors the editor's notices into widgets and hands every user
// event to the editor or the document; no editing rule lives here. Made only when such a font
// is opened, so the classic window starts as light as before.
#include <QWidget>
#include <filesystem>
#include <functional>
#include <span>

#include "document/bitmap_document.h"
#include "window/question.h"
#include "window/recovery_keeper.h"

class QAction;
class QLineEdit;
class QSpinBox;
class QGridLayout;

namespace fontedit::window {

class DotGrid;
class FontPanel;

class FontWindow : public QWidget {
    Q_OBJECT

public:
    using Reporter = std::function<void(const QString& message)>;

    // Opens the BDF file `path`, or the font.bdf of the folder `path`; fails as
    // BitmapDocument::open does.
    explicit FontWindow(const std::filesystem::path& path, QWidget* parent = nullptr);

    const document::BitmapDocument& document() const { return document_; }
    // Replace the message box and the modal questions, so a test sees them without a loop.
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void setAsker(Asker asker) { asker_ = std::move(asker); }
    // Where an earlier run left unsaved work on this font, asks whether to bring it back.
    void offerRecovery();
    void settleRecovery() { recovery_.settle(); }

    // "開く": another BDF file, or a folder's, in place of this one, asking first when that
    // drops unsaved work.
    void openFont(const std::filesystem::path& path);
    // "取り込み": every glyph of the font in `file` put in at its character, one undo step;
    // asks first when that replaces glyphs.
    void importFrom(const std::filesystem::path& file);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields();
    void createButtons();
    void createActions();
    QAction* createAction(const QString& text, const QList<QKeySequence>& shortcuts,
                          const std::function<void()>& action);
    void follow();
    // The current glyph in every widget that shows it.
    void showCurrent();
    void showHistory();
    void makeHexFields();
    void showHexFields();
    void showStatus();
    void goToTyped();
    void offerToAdd();
    void save();
    void chooseAndOpen();
    void chooseAndImport();
    void chooseAndExport();
    void showGridMenu(const QPoint& globalPosition);
    bool guard(const std::function<void()>& action);
    void report(const QString& message);
    int ask(const Question& question);
    bool mayEnd();
    bool mayDrop();

    document::BitmapDocument document_;
    editing::BitmapEditor& editor_;
    RecoveryKeeper recovery_;
    Reporter reporter_;
    Asker asker_;
    QLineEdit* characterField_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QSpinBox* advanceField_ = nullptr;
    DotGrid* grid_ = nullptr;
    QWidget* hexArea_ = nullptr;
    QGridLayout* hexLayout_ = nullptr;
    QList<QLineEdit*> hexFields_;
    FontPanel* panel_ = nullptr;
    QList<QAction*> gridActions_;
    QList<QAction*> fileActions_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* panelAction_ = nullptr;
    bool proportional_ = false;
};

}  // namespace fontedit::window
