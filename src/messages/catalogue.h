#pragma once

// The wording of every cause of failure and of the phrases the wordings share.
#include "messages/wording.h"
#include "state/failure.h"

namespace fontedit::messages {

Wording wordingOf(state::Cause cause);

enum class Phrase {
    FileInFolder,  // {file} when the path has a folder
    FileAlone,     // {file} when it has none
    Cell,          // {place} with a column
    Label,         // {place} without one
    Reason,        // {reason} when the system gave one
};

Wording wordingOf(Phrase phrase);

}  // namespace fontedit::messages
