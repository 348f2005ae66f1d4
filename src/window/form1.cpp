#include "window/form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <vector>

#include "files/font_files.h"
#include "files/header_export.h"
#include "state/failure.h"
#include "window/failure_message.h"
#include "window/icon.h"
#include "window/pixel_button.h"
#include "window/wrapping_button.h"

namespace fontedit::window {
namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const ControlSpec& control) {
    return {control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel};
}

state::FieldId fieldOf(std::string_view name) {
    return *std::ranges::find(state::kAllFields, name, state::fieldName);
}

// A change made by the editor, not by the user: shown without raising textEdited, and the
// cursor stays where the user was typing.
void showText(QLineEdit* edit, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (edit->text() == shown) return;
    const int cursor = edit->cursorPosition();
    edit->setText(shown);
    edit->setCursorPosition(std::min<int>(cursor, shown.size()));
}

using Action = void (Form1::*)();

struct ButtonAction {
    std::string_view name;
    Action action;
};

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(qtText(kFormCaption));
    setWindowIcon(programIcon());
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);

    // Qt's tab order is the order of creation, so the controls are made in their tab order.
    std::vector<ControlSpec> byTabIndex(formControls().begin(), formControls().end());
    std::ranges::sort(byTabIndex, {}, &ControlSpec::tabIndex);
    for (const ControlSpec& control : byTabIndex) createControl(control);

    editor_.state().pixels.addObserver(
        [this](int column, int row, state::PixelColour colour) { showPixel(column, row, colour); });
    pixels_[0][0]->setFocus();
}

void Form1::createControl(const ControlSpec& control) {
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(qtText(control.caption), this);
            label->setObjectName(qtText(control.name));
            label->setGeometry(pixelRect(control));
            break;
        }
        case ControlKind::TextField:
            createTextField(control);
            break;
        case ControlKind::Button:
            createButton(control);
            break;
        case ControlKind::PixelButton:
            createPixelButton(control);
            break;
    }
}

void Form1::createTextField(const ControlSpec& control) {
    const state::FieldId id = fieldOf(control.name);
    state::TextField& field = editor_.state().field(id);
    auto* edit = new QLineEdit(QString::fromStdString(field.text()), this);
    edit->setObjectName(qtText(control.name));
    edit->setGeometry(pixelRect(control));
    field.addObserver([edit](const std::string& text) { showText(edit, text); });
    connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        guard([this, id, &text] { editor_.state().field(id).setText(text.toStdString()); });
    });
}

void Form1::createPixelButton(const ControlSpec& control) {
    auto* button = new PixelButton(this);
    button->setObjectName(qtText(control.name));
    button->setProperty("Index", control.row);
    button->setAccessibleName(QStringLiteral("列 %1 行 %2").arg(control.column).arg(control.row));
    button->setGeometry(pixelRect(control));
    button->setLit(editor_.state().pixels.colour(control.column, control.row) ==
                   state::PixelColour::Lit);
    connect(button, &QAbstractButton::clicked, this,
            [this, column = control.column, row = control.row] {
                guard([this, column, row] { editor_.togglePixel(column, row); });
            });
    pixels_[control.column - 1][control.row] = button;
}

void Form1::createButton(const ControlSpec& control) {
    static constexpr std::array<ButtonAction, 6> kActions = {{
        {"Command9", &Form1::onPreviousClicked},
        {"Command10", &Form1::onNextClicked},
        {"Command11", &Form1::onReadClicked},
        {"Command12", &Form1::onSaveClicked},
        {"Command13", &Form1::onExitClicked},
        {"Command14", &Form1::onExportClicked},
    }};
    auto* button = new WrappingButton(qtText(control.caption), this);
    button->setObjectName(qtText(control.name));
    button->setGeometry(pixelRect(control));
    const Action action = std::ranges::find(kActions, control.name, &ButtonAction::name)->action;
    connect(button, &QAbstractButton::clicked, this,
            [this, action] { guard([this, action] { (this->*action)(); }); });
}

void Form1::showPixel(int column, int row, state::PixelColour colour) {
    pixels_[column - 1][row]->setLit(colour == state::PixelColour::Lit);
}

void Form1::onPreviousClicked() {
    editor_.previous();
}
void Form1::onNextClicked() {
    editor_.next();
}
// The font files live in the working directory, as the program has no file dialog.
void Form1::onReadClicked() {
    files::readFont(editor_, std::filesystem::current_path());
}
void Form1::onSaveClicked() {
    files::saveFont(editor_.state(), std::filesystem::current_path());
}
void Form1::onExportClicked() {
    files::exportHeader(editor_.state(), std::filesystem::current_path());
}
// Ends the program at once: nothing is saved and nothing is asked.
void Form1::onExitClicked() {
    QCoreApplication::exit(0);
}

void Form1::guard(const std::function<void()>& action) {
    try {
        action();
    } catch (const state::Failure& failure) {
        report(failureMessage(failure));
    } catch (const std::exception& error) {
        report(QStringLiteral("エラー: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

void Form1::report(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    QMessageBox::critical(this, windowTitle(), message);
}

}  // namespace fontedit::window
