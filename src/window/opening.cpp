#include "window/opening.h"

#include <memory>

#include "window/folder_actions.h"
#include "window/font_window.h"
#include "window/form1.h"
#include "window/termination_signals.h"

namespace fontedit::window {
namespace {

template <class Window>
void showInstead(QWidget& current, std::unique_ptr<Window> made,
                 const std::function<void()>& giveUp) {
    giveUp();
    Window* next = made.release();
    next->setAttribute(Qt::WA_DeleteOnClose);
    runBeforeTermination(next, [next] { next->settleRecovery(); });
    next->move(current.pos());
    // Hidden, not closed: closing asks about the work again. The first window lives in main().
    current.hide();
    if (current.testAttribute(Qt::WA_DeleteOnClose)) current.deleteLater();
    next->show();
    next->offerRecovery();
}

}  // namespace

void openGeneralInstead(QWidget& current, const std::filesystem::path& font,
                        const std::function<void()>& giveUp) {
    showInstead(current, std::make_unique<FontWindow>(font), giveUp);
}

void openClassicInstead(QWidget& current, const std::filesystem::path& dir,
                        const std::function<void()>& giveUp) {
    auto made = std::make_unique<Form1>(dir);
    made->readFont();
    keepOpenedFolder(dir);
    showInstead(current, std::move(made), giveUp);
}

}  // namespace fontedit::window
