#pragma once

// Keeps this window's recovery file in step with the editor: about a second after the last
// change it is written while there is unsaved work and removed once there is none. The change
// itself only restarts a timer, so a click never waits for a disk. Files other windows left
// are only ever touched when the user answers for them.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "document/bitmap_document.h"
#include "document/recovery_file.h"
#include "editing/editor.h"
#include "window/question.h"

namespace fontedit::window {

class RecoveryKeeper : public QObject {
public:
    RecoveryKeeper(editing::Editor& editor, const std::filesystem::path& fontDir,
                   QObject* parent = nullptr);
    // A general font's work, kept for its BDF file `fontFile`.
    RecoveryKeeper(document::BitmapDocument& document, const std::filesystem::path& fontFile,
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
    // What the keeper asks of the work it keeps, the classic font's or a general one's.
    struct Work {
        std::function<bool()> unsaved;
        std::function<void(document::RecoveryFile& file)> write;
        std::function<void(const document::LeftRecovery& left)> restore;
    };
    RecoveryKeeper(Work work, const std::filesystem::path& fontDir, QObject* parent);

    Work work_;
    std::filesystem::path fontDir_;
    // Made anew for each folder, as a file holds its lock for its whole life.
    std::unique_ptr<document::RecoveryFile> file_;
    QTimer timer_;
    bool kept_ = true;
    bool stopped_ = false;
};

// Where earlier runs left unsaved work for the font, asks of each file, newest first, whether to
// bring it back: `restoreQuestion` words the question from when the file was written. `guard`
// runs an action and reports its failure; a failure to look stops the keeper.
void offerLeftWork(RecoveryKeeper& keeper,
                   const std::function<QString(const QString&)>& restoreQuestion, const Asker& ask,
                   const std::function<bool(const std::function<void()>&)>& guard);

}  // namespace fontedit::window
