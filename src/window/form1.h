#pragma once

// The main window: a view over one editing::Editor. It mirrors the editor's fields and pixel
// colours into widgets and hands every user event to the editor; no editing rule lives here.
#include <QWidget>
#include <array>
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

    explicit Form1(QWidget* parent = nullptr);

    const editing::Editor& editor() const { return editor_; }
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
    // Runs one user action; a failure is reported and the window carries on.
    void guard(const std::function<void()>& action);
    void report(const QString& message);

    editing::Editor editor_;
    Reporter reporter_;
    std::array<std::array<PixelButton*, state::kGlyphRows>, state::kGlyphColumns> pixels_{};
};

}  // namespace fontedit::window
