#include "window/failure_message.h"

#include <QCoreApplication>
#include <QStringList>

#include "formats/import_notes.h"
#include "formats/panel_notes.h"
#include "messages/worded.h"

namespace fontedit::window {
namespace {

// The catalogue's Japanese is the source text of the window's translations.
std::string translated(const messages::Wording& wording) {
    return QCoreApplication::translate("Failure", wording.japanese).toStdString();
}

}  // namespace

QString failureMessage(const state::Failure& failure) {
    return QCoreApplication::translate("Failure", "エラー %1: %2")
        .arg(failure.number())
        .arg(QString::fromStdString(messages::worded(failure, translated)));
}

QString noteMessage(const formats::ImportNote& note) {
    return QString::fromStdString(formats::wordedNote(note, translated));
}

QString panelNoteLines(const formats::PanelText& text, formats::PanelSize size) {
    QStringList lines;
    for (const std::string& note : formats::panelNotes(text, size, translated))
        lines << QString::fromStdString(note);
    return lines.join(u'\n');
}

}  // namespace fontedit::window
