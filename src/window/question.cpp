#include "window/question.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "window/message_icon.h"

namespace fontedit::window {
namespace {

// Wider than this, a row of answers is cut to the message box's width, which Qt limits.
constexpr int kWidestAnswerRow = 480;

}  // namespace

int askInMessageBox(QWidget* window, const Question& question) {
    QMessageBox box(QMessageBox::Question, window->windowTitle(), question.text,
                    QMessageBox::NoButton, window);
    showThemeIcon(box);
    std::vector<QPushButton*> buttons;
    for (int index = 0; index < question.answers.size(); ++index) {
        const QMessageBox::ButtonRole role =
            index == question.escapeAnswer ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons.push_back(box.addButton(question.answers[index], role));
        if (index < question.pictures.size() && !question.pictures[index].isNull()) {
            QPushButton* button = buttons.back();
            button->setText({});
            button->setIcon(question.pictures[index]);
            button->setIconSize(question.pictures[index].deviceIndependentSize().toSize());
            button->setToolTip(question.answers[index]);
            button->setAccessibleName(question.answers[index]);
        }
    }
    // The readings of a table are long answers: they stand one under another, whole.
    int rowWidth = 0;
    for (const QPushButton* button : buttons) rowWidth += button->sizeHint().width();
    if (rowWidth > kWidestAnswerRow) {
        box.findChild<QDialogButtonBox*>()->setOrientation(Qt::Vertical);
    }
    box.setDefaultButton(buttons[question.returnAnswer]);
    if (question.escapeAnswer < question.answers.size()) {
        box.setEscapeButton(buttons[question.escapeAnswer]);
    } else {
        QAbstractButton* none = box.addButton(QMessageBox::Cancel);
        none->hide();
        box.setEscapeButton(none);
    }
    box.exec();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        if (box.clickedButton() == buttons[index]) return static_cast<int>(index);
    }
    return question.escapeAnswer;
}

}  // namespace fontedit::window
