#pragma once

// A failure in words: its cause's wording in one language, with the facts filled in and every
// byte that came from outside escaped.
#include <functional>
#include <string>
#include <string_view>

#include "messages/wording.h"
#include "state/failure.h"

namespace fontedit::messages {

// The text of a wording in the language wanted: its English or its Japanese.
using Language = std::function<std::string(const Wording& wording)>;

std::string english(const Wording& wording);
std::string japanese(const Wording& wording);

std::string worded(const state::Failure& failure, const Language& language);

// "dir/fntdat.txt:12: " or "fntdat.txt: ", or nothing when the facts name no file.
std::string englishLocation(const state::Facts& facts);

// "file:line: what" in English; a sentence that names its file itself goes without the
// location before it.
std::string englishMessage(const state::Failure& failure);

// `text` with each "{fact}" replaced; an unknown name, which only a translation can bring, is
// left as it stands.
std::string filled(std::string_view text, const state::Facts& facts, const Language& language);

}  // namespace fontedit::messages
