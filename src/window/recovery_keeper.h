#pragma once

// Keeps this window's recovery file in step with the editor: about a second after the last
// change it is written while there is unsaved work and removed once there is none. The change
// itself only restarts a timer, so a click never waits for a disk. Files other windows left
// are only ever touched when the user answers for them.
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "document/recovery_file.h"
#include "editing/editor.h"

namespace fontedit::window {

class RecoveryKeeper : public QObject {
public:
    RecoveryKeeper(editing::Editor& editor, const std::filesystem::path& fontDir,
                   QObject* parent = nullptr);

    // The files windows on the folder left when they ended, newest first.
    std::vector<document::LeftRecovery> leftBehind() const;
    // Brings `left` back as unsaved work; once this window's own file holds it, `left` goes.
    void adopt(const document::LeftRecovery& left);
    // Writes or removes the file now, as the editor's work requires.
    void settle();
    // The unsaved work was given up: the file goes, and nothing is kept after this.
    void discard();
    // Keeps the work for the font of `fontDir` from now on: work still unsaved is written to
    // the new folder's file before the old folder's file goes.
    void moveTo(const std::filesystem::path& fontDir);
    // No file is kept in this run, as where it would lie is not safe; until another folder is
    // opened.
    void stop();
    bool stopped() const { return stopped_; }

private:
    editing::Editor& editor_;
    std::filesystem::path fontDir_;
    // Made anew for each folder, as a file holds its lock for its whole life.
    std::unique_ptr<document::RecoveryFile> file_;
    QTimer timer_;
    bool kept_ = true;
    bool stopped_ = false;
};

}  // namespace fontedit::window
