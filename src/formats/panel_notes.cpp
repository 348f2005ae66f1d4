#include "formats/panel_notes.h"

#include "messages/catalogue.h"

namespace fontedit::formats {
namespace {

static_assert(kCgramSlots == 8, "the catalogue's PanelNeedsCgram names eight slots");

std::string worded(messages::Note note, const state::Facts& facts,
                   const messages::Language& language) {
    return messages::filled(language(messages::wordingOf(note)), facts, language);
}

}  // namespace

std::vector<std::string> panelNotes(const PanelText& text, PanelSize size,
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
    if (text.customCodes.size() > kCgramSlots) {
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
                               {.code = text.cut, .value = panelSizeName(size)}, language));
    }
    return notes;
}

}  // namespace fontedit::formats
