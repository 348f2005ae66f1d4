#include "bench/latency/widget_driver.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace fontedit::bench {

QAbstractButton* WidgetDriver::button(const QString& name, int index) const {
    for (QAbstractButton* found : window_.findChildren<QAbstractButton*>(name)) {
        if (index < 0 || found->property("Index").toInt() == index) return found;
    }
    throw std::runtime_error("no button " + name.toStdString());
}

QLineEdit* WidgetDriver::field(const QString& name) const {
    if (auto* found = window_.findChild<QLineEdit*>(name)) return found;
    throw std::runtime_error("no field " + name.toStdString());
}

void WidgetDriver::type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QCoreApplication::processEvents();
}

template <typename Action>
double WidgetDriver::timed(Action action) {
    QCoreApplication::processEvents();
    const long paintsBefore = paints_.count();
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    const double microseconds = static_cast<double>(timer.nsecsElapsed()) / 1000;
    if (paints_.count() == paintsBefore) throw std::runtime_error("an action repainted nothing");
    return microseconds;
}

double WidgetDriver::timeClick(QAbstractButton* button) {
    // A button acts on the release; the press and its repaint come before, as they do for a
    // hand on the mouse.
    QTest::mousePress(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    return timed([button] { QTest::mouseRelease(button, Qt::LeftButton); });
}

double WidgetDriver::timeKeys(QWidget* focused, const QKeySequence& keys) {
    return timed([focused, &keys] { QTest::keySequence(focused, keys); });
}

double WidgetDriver::timePixelClick(QAbstractButton* pixel) {
    return timed([pixel] {
        QTest::mousePress(pixel, Qt::LeftButton);
        QTest::mouseRelease(pixel, Qt::LeftButton);
    });
}

double WidgetDriver::timeRepaint() {
    return timed([this] { window_.repaint(); });
}

double WidgetDriver::timeAction(const std::function<void()>& action) {
    return timed(action);
}

}  // namespace fontedit::bench
