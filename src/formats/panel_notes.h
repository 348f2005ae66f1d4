#pragma once

// What a character LCD could not show as the font draws it, in the words of the messages
// catalogue, so that render and the window's preview tell it alike, each in its language.
#include <string>
#include <vector>

#include "formats/character_panel.h"
#include "messages/worded.h"

namespace fontedit::formats {

// A sentence each: characters with no glyph, more glyphs outside the character ROM than CGRAM
// holds, characters past the last cell.
std::vector<std::string> panelNotes(const PanelText& text, PanelSize size,
                                    const messages::Language& language);

}  // namespace fontedit::formats
