#pragma once

// A failure in words: its cause's wording in one language, with the facts filled in and every
// byte that came from outside escaped.
#include <functional>
#include <string>
#include <string_view>

#include "messages/wording.h"
#include "state/failure.h"

namespace fontedit::messages {

// The text of a wording in the language wanted: its English, or its Japanese as translated.
using Language = std::function<std::string(const Wording& wording)>;

std::string english(const Wording& wording);

std::string worded(const state::Failure& failure, const Language& language);

// `text` with each "{fact}" replaced; an unknown name, which only a translation can bring, is
// left as it stands.
std::string filled(std::string_view text, const state::Facts& facts, const Language& language);

}  // namespace fontedit::messages
