#pragma once

// A modal question to the user with answers of the program's own wording.
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <functional>

class QWidget;

namespace fontedit::window {

struct Question {
    QString text;
    QStringList answers;
    int returnAnswer;  // chosen by Return
    // Chosen by Escape and by closing the box; past the last answer, Escape closes the box
    // without any of them.
    int escapeAnswer;
    // Answers shown as a picture, the answer's text its tip and its name to a screen reader;
    // none, or a null one, shows the text.
    QList<QPixmap> pictures{};
};

// Asks and returns the index of the answer chosen.
using Asker = std::function<int(const Question& question)>;

// The question in a message box titled as the window.
int askInMessageBox(QWidget* window, const Question& question);

}  // namespace fontedit::window
