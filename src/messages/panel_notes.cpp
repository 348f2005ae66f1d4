#include "messages/panel_notes.h"

#include "messages/catalogue.h"

namespace fontedit::messages {
namespace {

static_assert(pictures::kCgramSlots == 8, "the catalogue's PanelNeedsCgram names eight slots");

std::string worded(messages::Note note, const state::Facts& facts,
                   const messages::Language& language) {
    return messages::filled(language(messages::wordingOf(note)), facts, language);
}

}  // namespace

std::vector<std::string> panelNotes(const pictures::PanelText& text, pictures::PanelSize size,
                                    const messages::Language& language) {
    using messages::Note;
    std::vector<std::string> notes;
    if (!text.missing.empty()) {
        std::string list;
        for (const std::string& character : text.missing) {
            list += (list.empty() ? "'" : ", '") + character + "'";
        }
        notes.push_back(worded(Note::PanelGlyphsMissing, {.value = list}, language));
    }
    if (text.customCodes.size() > pictures::kCgramSlots) {
        std::string list;
        for (const int code : text.customCodes) {
            list += (list.empty() ? "" : ", ") + std::to_string(code);
        }
        notes.push_back(worded(Note::PanelNeedsCgram,
                               {.code = static_cast<int>(text.customCodes.size()), .value = list},
                               language));
    }
    if (text.cut > 0) {
        notes.push_back(worded(text.cut == 1 ? Note::PanelCharacterCut : Note::PanelCharactersCut,
                               {.code = text.cut, .value = pictures::panelSizeName(size)},
                               language));
    }
    return notes;
}

}  // namespace fontedit::messages
