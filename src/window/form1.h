#pragma once

// The main window: a view over one editing::Editor. It mirrors the editor's fields and pixel
// colours into widgets and hands every user event to the editor; no editing rule lives here.
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "document/font_document.h"
#include "editing/editor.h"
#include "window/control_geometry.h"
#include "window/question.h"
#include "window/recovery_keeper.h"

class QAbstractButton;
class QAction;
class QLineEdit;

namespace fontedit::window {

class GlyphPanel;
class PixelButton;
class PixelGridEvents;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Shows the text of a failed action to the user.
    using Reporter = std::function<void(const QString& message)>;

    // The font files live in `directory`.
    explicit Form1(std::filesystem::path directory, QWidget* parent = nullptr);
    ~Form1() override;

    const editing::Editor& editor() const { return editor_; }
    const std::filesystem::path& directory() const { return document_.directory(); }
    // Replaces the message box, so a test can see a report without a modal loop.
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    // Replaces the modal questions before unsaved work is dropped, likewise.
    void setAsker(Asker asker) { asker_ = std::move(asker); }
    // Where an earlier run left unsaved work, asks whether to bring it back.
    void offerRecovery();
    // Brings the recovery file up to date at once, as before the program is ended.
    void settleRecovery() { recovery_.settle(); }

    // "フォルダを開く": binds the window to `dir` and reads its font where it has one, asking
    // first when that drops unsaved work; a folder without a font takes the work along.
    // A BDF file, or a folder holding font.bdf and not the classic font's files, opens in the
    // general window instead, after the same question.
    void openFolder(const std::filesystem::path& dir);
    // "読出し" without its question: the folder's font in place of the tables.
    void readFont();
    // "取り込み": the font in `file` replaces the tables as one unsaved step; where the file's
    // table can be read more than one way, asks which.
    void importFrom(const std::filesystem::path& file);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void onPreviousClicked();
    void onNextClicked();
    void onReadClicked();
    void onSaveClicked();
    void onExportClicked();
    void onExitClicked();

private:
    using Action = void (Form1::*)();

    // Makes a control's widget and binds it to the editor by the control's id.
    void createControl(const ControlPlacement& control);
    void createLabel(const ControlPlacement& control);
    void createTextField(const ControlPlacement& control, state::FieldId id);
    // Whether the files can hold `text` as a label; if not, says so at the field and puts its
    // last good text back.
    bool labelHolds(QLineEdit* edit, const QString& text);
    void nameFieldsByTheirLabels();
    void createPixelButton(const ControlPlacement& control);
    void createButton(const ControlPlacement& control, Action action, const QKeySequence& shortcut);
    void showPixel(int column, int row, state::PixelColour colour);
    // Moves the focus to the pixel at (column, row), held inside the grid.
    void focusPixel(int column, int row);
    // Runs one user action; a failure is reported and the window carries on. Returns whether
    // the action ran to its end.
    bool guard(const std::function<void()>& action);
    void report(const QString& message);
    int ask(const Question& question);
    // With unsaved changes, asks whether to save them first; false keeps the program running.
    bool mayEnd();
    // Whether `write` may replace what it would replace: asks when another program changed it,
    // and before 保存 replaces a font the window never read.
    bool mayReplace(document::FontDocument::Write write);

    void createEditActions();
    QAction* createAction(const QString& text, const QList<QKeySequence>& shortcuts,
                          const std::function<void()>& action);
    void addButtonShortcut(QAbstractButton* button, const QKeySequence& shortcut);
    void watchPixel(QWidget* pixel);
    void giveGridActions(QWidget* pixel);
    void showGridMenu(const QPoint& globalPosition);
    // Column 1-5 and row 0-7 of a pixel button; nothing for any other widget.
    std::optional<std::pair<int, int>> pixelPlace(const QWidget* widget) const;
    void copyGlyph();
    void pasteGlyph();

    // Open, import and export, in the grid's menu and the panel, with window-wide shortcuts.
    void createFileActions();
    void chooseAndOpenFolder();
    void chooseAndImport();
    void chooseAndExport();
    QString statusText() const;
    // The panel's line follows the work once the events of a change are done.
    void scheduleStatus();
    void showStatus();
    // Names the file written, by `near`.
    void confirmWritten(const char* button, const std::filesystem::path& file,
                        const QString& note = {});

    // The 一覧 panel widens the window to the right, so the controls keep their places; it is
    // made when first opened.
    void createPanelAction();
    void togglePanel();
    void showPanel(bool shown);

    editing::Editor editor_;
    document::FontDocument document_;
    RecoveryKeeper recovery_;
    Reporter reporter_;
    Asker asker_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    // Undo and redo first, then the grid commands.
    QList<QAction*> gridActions_;
    PixelGridEvents* gridEvents_ = nullptr;
    std::array<std::array<PixelButton*, state::kGlyphRows>, state::kGlyphColumns> pixels_{};
    QAction* openAction_ = nullptr;
    QAction* importAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    bool statusScheduled_ = false;
    QAction* panelAction_ = nullptr;
    GlyphPanel* panel_ = nullptr;
};

}  // namespace fontedit::window
