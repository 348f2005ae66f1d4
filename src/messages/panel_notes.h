#pragma once

// What a character LCD could not show as the font draws it, in the words of the messages
// catalogue, so that render and the window's preview tell it alike, each in its language.
#include <string>
#include <vector>

#include "messages/worded.h"
#include "pictures/character_panel.h"

namespace fontedit::messages {

// A sentence each: characters with no glyph, more glyphs outside the character ROM than CGRAM
// holds, characters past the last cell.
std::vector<std::string> panelNotes(const pictures::PanelText& text, pictures::PanelSize size,
                                    const messages::Language& language);

}  // namespace fontedit::messages
