#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "state/failure.h"
#include "window/command_line.h"
#include "window/display_probe.h"
#include "window/exit_when_idle.h"
#include "window/failure_message.h"
#include "window/font_window.h"
#include "window/form1.h"
#include "window/termination_signals.h"
#include "window/translation.h"
#include "window/widget_style.h"
#include "window/work_aside.h"

int main(int argc, char* argv[]) {
    const auto read = fontedit::window::readCommandLine({argv, argv + argc});
    if (const int* status = std::get_if<int>(&read)) return *status;
    const auto& options = std::get<fontedit::window::StartOptions>(read);
    if (!fontedit::window::hasDisplay(
            fontedit::window::displaySettings(options.platform, options.display),
            fontedit::window::xServerAnswers)) {
        std::fputs("fontedit: no display to show the window on\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // Desktops find the menu entry, and with it the icon, by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(FONTEDIT_APP_ID));
    // Before the look, which sizes the font to the captions in the language they show in.
    const auto translation = fontedit::window::installUsersLanguage();
    fontedit::window::pinLook();
    int status = 0;
    if (options.bitmapFont) {
        // Made only for a general font, so that the classic window starts as before.
        std::optional<fontedit::window::FontWindow> window;
        try {
            window.emplace(*options.bitmapFont);
        } catch (const fontedit::state::Failure& failure) {
            std::fprintf(stderr, "fontedit: %s\n",
                         fontedit::window::failureMessage(failure).toLocal8Bit().constData());
            return 1;
        }
        fontedit::window::runBeforeTermination(&*window, [&window] { window->settleRecovery(); });
        window->offerRecovery();
        window->show();
        fontedit::window::exitWhenIdleIfAsked(*window);
        status = QApplication::exec();
    } else {
        fontedit::window::Form1 form(options.directory);
        fontedit::window::runBeforeTermination(&form, [&form] { form.settleRecovery(); });
        form.offerRecovery();
        form.show();
        fontedit::window::exitWhenIdleIfAsked(form);
        status = QApplication::exec();
    }
    // An import cancelled but still running would meet the static objects being destroyed.
    if (fontedit::window::workLeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
