#include "window/recovery_keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <chrono>
#include <cstdio>
#include <exception>
#include <span>
#include <utility>

#include "state/failure.h"

namespace fontedit::window {
namespace {

constexpr int kQuietMilliseconds = 1000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(Work work, const std::filesystem::path& fontDir, QObject* parent)
    : QObject(parent),
      work_(std::move(work)),
      fontDir_(fontDir),
      file_(std::make_unique<document::RecoveryFile>(fontDir)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kQuietMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { settle(); });
}

RecoveryKeeper::RecoveryKeeper(editing::Editor& editor, const std::filesystem::path& fontDir,
                               QObject* parent)
    : RecoveryKeeper(Work{[&editor] { return editor.hasUnsavedChanges(); },
                          [&editor](document::RecoveryFile& file) { file.write(editor); },
                          [&editor](const document::LeftRecovery& left) { left.restore(editor); }},
                     fontDir, parent) {
    state::EditorState& state = editor.state();
    state.font.addObserver([this](int, int, const std::string&) { timer_.start(); });
    state.labels.addObserver([this](int, const std::string&) { timer_.start(); });
    state.codeField().addObserver([this](const std::string&) { timer_.start(); });
}

RecoveryKeeper::RecoveryKeeper(document::BitmapDocument& document,
                               const std::filesystem::path& fontFile, QObject* parent)
    : RecoveryKeeper(
          Work{[&document] { return document.editor().hasUnsavedChanges(); },
               [&document](document::RecoveryFile& file) { file.write(document); },
               [&document](const document::LeftRecovery& left) { left.restore(document); }},
          fontFile, parent) {
    editing::BitmapEditor& editor = document.editor();
    editor.addGlyphsObserver([this](std::span<const char32_t>) { timer_.start(); });
    editor.addCurrentObserver([this](char32_t) { timer_.start(); });
    editor.addFontObserver([this] { timer_.start(); });
}

std::vector<document::LeftRecovery> RecoveryKeeper::leftBehind() const {
    return document::leftRecoveries(fontDir_);
}

void RecoveryKeeper::adopt(const document::LeftRecovery& left) {
    work_.restore(left);
    timer_.stop();
    if (!kept_) return;
    work_.write(*file_);
    left.remove();
}

void RecoveryKeeper::settle() {
    timer_.stop();
    if (!kept_) return;
    try {
        if (work_.unsaved()) {
            work_.write(*file_);
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
    if (kept_ && work_.unsaved()) {
        try {
            work_.write(*next);
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

void offerLeftWork(RecoveryKeeper& keeper,
                   const std::function<QString(const QString&)>& restoreQuestion, const Asker& ask,
                   const std::function<bool(const std::function<void()>&)>& guard) {
    std::vector<document::LeftRecovery> left;
    if (!guard([&] { left = keeper.leftBehind(); })) {
        keeper.stop();
        return;
    }
    for (const document::LeftRecovery& file : left) {
        const auto saved = std::chrono::file_clock::to_sys(file.saved());
        const QString when =
            QDateTime::fromSecsSinceEpoch(
                std::chrono::duration_cast<std::chrono::seconds>(saved.time_since_epoch()).count())
                .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const Question restore{restoreQuestion(when),
                               {QCoreApplication::translate("fontedit::window::Form1", "復元"),
                                QCoreApplication::translate("fontedit::window::Form1", "破棄")},
                               0,
                               2};
        switch (ask(restore)) {
            case 0:
                // Any older file waits for a later start: restoring it would replace this one.
                if (guard([&] { keeper.adopt(file); })) return;
                break;
            case 1:
                file.remove();
                break;
            default:
                break;
        }
    }
}

}  // namespace fontedit::window
