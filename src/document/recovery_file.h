#pragma once

// The recovery file of a font's folder: the editor's whole content while it holds work that is
// not saved, so that a crash, a kill or a logout loses nothing. It lies in
// $XDG_STATE_HOME/fontedit/ (by default ~/.local/state/fontedit/), named after the folder.
#include <filesystem>

#include "editing/editor.h"

namespace fontedit::document {

class RecoveryFile {
public:
    explicit RecoveryFile(const std::filesystem::path& fontDir);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // Writes the editor's content atomically, creating the folder it lies in.
    void write(const editing::Editor& editor) const;
    // Brings the content back into the editor as unsaved work, at the code that was current.
    void restore(editing::Editor& editor) const;
    void remove() const;

private:
    std::filesystem::path path_;
};

// The folder recovery files lie in, from the environment.
std::filesystem::path recoveryFolder();

}  // namespace fontedit::document
