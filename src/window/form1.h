#pragma once

// The main window: a view over one editing::Editor. It mirrors the editor's fields and pixel
// colours into widgets and hands every user event to the editor; no editing rule lives here.
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>

#include "editing/editor.h"
#include "window/layout.h"

class QLineEdit;

namespace fontedit::window {

class PixelButton;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Shows the text of a failed action to the user.
    using Reporter = std::function<void(const QString& message)>;

    // The font files live in `directory`.
    explicit Form1(std::filesystem::path directory, QWidget* parent = nullptr);

    const editing::Editor& editor() const { return editor_; }
    const std::filesystem::path& directory() const { return directory_; }
    // Replaces the message box, so a test can see a report without a modal loop.
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }

private slots:
    void onPreviousClicked();
    void onNextClicked();
    void onReadClicked();
    void onSaveClicked();
    void onExportClicked();
    void onExitClicked();

private:
    void createControl(const ControlSpec& control);
    void createTextField(const ControlSpec& control);
    void createPixelButton(const ControlSpec& control);
    void createButton(const ControlSpec& control);
    void showPixel(int column, int row, state::PixelColour colour);
    // Moves the focus to the pixel at (column, row), held inside the grid.
    void focusPixel(int column, int row);
    // Runs one user action; a failure is reported and the window carries on.
    void guard(const std::function<void()>& action);
    void report(const QString& message);

    std::filesystem::path directory_;
    editing::Editor editor_;
    Reporter reporter_;
    std::array<std::array<PixelButton*, state::kGlyphRows>, state::kGlyphColumns> pixels_{};
};

}  // namespace fontedit::window
