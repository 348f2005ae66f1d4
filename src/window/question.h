#pragma once

// A modal question to the user with answers of the program's own wording.
#include <QStringList>
#include <functional>

class QWidget;

namespace fontedit::window {

struct Question {
    QString text;
    QStringList answers;
    int returnAnswer;  // chosen by Return
    int escapeAnswer;  // chosen by Escape and by closing the box
};

// Asks and returns the index of the answer chosen.
using Asker = std::function<int(const Question& question)>;

// The question in a message box titled as the window.
int askInMessageBox(QWidget* window, const Question& question);

}  // namespace fontedit::window
