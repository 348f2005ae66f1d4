#include "window/failure_message.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <exception>

#include "formats/own/header_export.h"
#include "messages/cell_notes.h"
#include "messages/import_notes.h"
#include "messages/panel_notes.h"
#include "messages/worded.h"
#include "window/language.h"
#include "window/message_icon.h"
#include "window/translation.h"

namespace fontedit::window {
namespace {

// The catalogue words failures in Japanese and in English; any other language of the window
// gets the English.
bool speaksJapanese() {
    return windowLanguage() == kSourceLanguage;
}

}  // namespace

QString failureMessage(const state::Failure& failure) {
    const std::string sentence = speaksJapanese() ? messages::worded(failure, messages::japanese)
                                                  : messages::englishMessage(failure);
    return QCoreApplication::translate("FailureMessage", "エラー %1: %2")
        .arg(failure.number())
        .arg(QString::fromStdString(sentence));
}

QString noteMessage(const formats::ImportNote& note) {
    return QString::fromStdString(
        messages::wordedNote(note, speaksJapanese() ? messages::japanese : messages::english));
}

QString headerNote(const formats::EmptyCells& cells) {
    const auto note = messages::headerEmptyCellsNote(
        cells, speaksJapanese() ? messages::japanese : messages::english);
    return note ? QString::fromStdString(*note) : QString();
}

QString panelNoteLines(const pictures::PanelText& text, pictures::PanelSize size) {
    QStringList lines;
    for (const std::string& note : messages::panelNotes(
             text, size, speaksJapanese() ? messages::japanese : messages::english))
        lines << QString::fromStdString(note);
    return lines.join(u'\n');
}

bool reportingFailures(const std::function<void()>& action,
                       const std::function<void(const QString&)>& report) {
    try {
        action();
        return true;
    } catch (const state::Failure& failure) {
        report(failureMessage(failure));
    } catch (const std::exception& error) {
        report(QCoreApplication::translate("FailureMessage", "エラー: %1")
                   .arg(QString::fromLocal8Bit(error.what())));
    }
    return false;
}

void showFailureBox(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Critical, window->windowTitle(), message, QMessageBox::Ok, window);
    showThemeIcon(box);
    box.exec();
}

}  // namespace fontedit::window
