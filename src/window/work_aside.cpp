#include "window/work_aside.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace fontedit::window {
namespace {

class WorkAside {
    Q_DECLARE_TR_FUNCTIONS(WorkAside)
};

// Below this a dialog would only flash.
constexpr int kProgressAfterMilliseconds = 300;
constexpr int kWorkPollMilliseconds = 20;

std::atomic<int> workersRunning{0};

}  // namespace

bool runAside(QWidget* parent, const QString& label, std::function<void()> work) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    ++workersRunning;
    std::thread([done, work = std::move(work)] {
        work();
        done->store(true, std::memory_order_release);
        --workersRunning;
    }).detach();

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kWorkPollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, &done] {
        if (done->load(std::memory_order_acquire)) loop.quit();
    });
    poll.start();
    bool cancelled = false;
    std::unique_ptr<QProgressDialog> progress;
    QTimer::singleShot(kProgressAfterMilliseconds, &loop, [&] {
        // No steps to count: the bar shows only that the work goes on.
        progress =
            std::make_unique<QProgressDialog>(label, WorkAside::tr("キャンセル"), 0, 0, parent);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
        progress->show();
    });
    loop.exec();
    return !cancelled && done->load(std::memory_order_acquire);
}

bool workLeftRunning() {
    return workersRunning.load() > 0;
}

}  // namespace fontedit::window
