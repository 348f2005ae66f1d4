#pragma once

// The notes of an import in the words of the messages catalogue, so that the CLI and the
// window tell them alike, each in its language.
#include <string>

#include "formats/font_import.h"
#include "messages/worded.h"

namespace fontedit::messages {

// The note alone; the file and line it is about are the caller's to add.
std::string wordedNote(const formats::ImportNote& note, const messages::Language& language);

}  // namespace fontedit::messages
