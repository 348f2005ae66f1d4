#include "window/recovery_keeper.h"

#include <cstdio>
#include <exception>

#include "state/failure.h"

namespace fontedit::window {
namespace {

constexpr int kQuietMilliseconds = 1000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(editing::Editor& editor, const std::filesystem::path& fontDir,
                               QObject* parent)
    : QObject(parent),
      editor_(editor),
      fontDir_(fontDir),
      file_(std::make_unique<document::RecoveryFile>(fontDir)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kQuietMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { settle(); });
    state::EditorState& state = editor_.state();
    state.font.addObserver([this](int, int, const std::string&) { timer_.start(); });
    state.labels.addObserver([this](int, const std::string&) { timer_.start(); });
    state.codeField().addObserver([this](const std::string&) { timer_.start(); });
}

std::vector<document::LeftRecovery> RecoveryKeeper::leftBehind() const {
    return document::leftRecoveries(fontDir_);
}

void RecoveryKeeper::adopt(const document::LeftRecovery& left) {
    left.restore(editor_);
    timer_.stop();
    if (!kept_) return;
    file_->write(editor_);
    left.remove();
}

void RecoveryKeeper::settle() {
    timer_.stop();
    if (!kept_) return;
    try {
        if (editor_.hasUnsavedChanges()) {
            file_->write(editor_);
        } else {
            file_->remove();
        }
    } catch (const std::exception&) {
        // A message box every second would stop the user's work; the terminal hears of it.
        std::fprintf(stderr, "fontedit: cannot keep the recovery file of %s\n",
                     state::escapedBytes(fontDir_.string()).c_str());
    }
}

void RecoveryKeeper::discard() {
    timer_.stop();
    file_->remove();
    kept_ = false;
}

void RecoveryKeeper::moveTo(const std::filesystem::path& fontDir) {
    timer_.stop();
    auto next = std::make_unique<document::RecoveryFile>(fontDir);
    bool carried = true;
    if (kept_ && editor_.hasUnsavedChanges()) {
        try {
            next->write(editor_);
        } catch (const std::exception&) {
            carried = false;
            std::fprintf(stderr, "fontedit: cannot keep the recovery file of %s\n",
                         state::escapedBytes(fontDir.string()).c_str());
        }
    }
    // The old file stays, to be offered for the old folder, when the new one could not take
    // the work.
    if (kept_ && carried) file_->remove();
    fontDir_ = fontDir;
    file_ = std::move(next);
    kept_ = true;
    stopped_ = false;
}

void RecoveryKeeper::stop() {
    timer_.stop();
    kept_ = false;
    stopped_ = true;
}

}  // namespace fontedit::window
