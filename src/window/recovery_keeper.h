#pragma once

// Keeps the recovery file in step with the editor: about a second after the last change it
// is written while there is unsaved work and removed once there is none. The change itself
// only restarts a timer, so a click never waits for a disk.
#include <QObject>
#include <QTimer>

#include "document/recovery_file.h"
#include "editing/editor.h"

namespace fontedit::window {

class RecoveryKeeper : public QObject {
public:
    RecoveryKeeper(editing::Editor& editor, const std::filesystem::path& fontDir,
                   QObject* parent = nullptr);

    bool hasRecovery() const { return file_.exists(); }
    void restore();
    // Writes or removes the file now, as the editor's work requires.
    void settle();
    // The unsaved work was given up: the file goes, and nothing is kept after this.
    void discard();
    // Keeps the work for the font of `fontDir` from now on; the file kept for the old folder
    // goes, as the work is read anew, saved, given up or carried along.
    void moveTo(const std::filesystem::path& fontDir);
    // Leaves a recovery file of an earlier run as it is: nothing is written over it in this run.
    void holdOff();

private:
    editing::Editor& editor_;
    document::RecoveryFile file_;
    QTimer timer_;
    bool kept_ = true;
};

}  // namespace fontedit::window
