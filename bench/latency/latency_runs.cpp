#include "bench/latency/latency_runs.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <string>
#include <vector>

#include "bench/common/glyph_pattern.h"
#include "bench/common/summary.h"
#include "state/tables.h"

namespace fontedit::bench {

namespace {

QString columnFieldName(int column) {
    return QStringLiteral("Text%1").arg(column);
}

}  // namespace

void typeFullFont(WidgetDriver& driver) {
    QLineEdit* code = driver.field(QStringLiteral("Text9"));
    for (int glyph = 0; glyph < state::kSavedCodes; ++glyph) {
        driver.type(code, QString::number(glyph));
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            driver.type(driver.field(columnFieldName(column)),
                        QString::fromStdString(columnText(glyph, column)));
        }
        driver.type(driver.field(QStringLiteral("Text10")),
                    QString::fromStdString(labelText(glyph)));
    }
    driver.type(code, QStringLiteral("1"));
    driver.timeClick(driver.button(QStringLiteral("Command9")));
}

double toggleRun(WidgetDriver& driver) {
    std::vector<double> times;
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < state::kGlyphRows; ++row) {
            for (int column = 1; column <= state::kGlyphColumns; ++column) {
                times.push_back(driver.timePixelClick(
                    driver.button(QStringLiteral("Command%1").arg(column), row)));
            }
        }
    }
    return summarise(times).median;
}

double showGlyphRun(WidgetDriver& driver) {
    driver.type(driver.field(QStringLiteral("Text9")), QStringLiteral("0"));
    QAbstractButton* next = driver.button(QStringLiteral("Command10"));
    std::vector<double> times;
    for (int step = 1; step < state::kSavedCodes; ++step) times.push_back(driver.timeClick(next));
    return summarise(times).median;
}

double keystrokeRun(WidgetDriver& driver) {
    constexpr int kPairs = 20;
    QLineEdit* field = driver.field(columnFieldName(1));
    field->setFocus();
    field->end(false);
    std::vector<double> times;
    for (int pair = 0; pair < kPairs; ++pair) {
        times.push_back(driver.timeKeys(field, QKeySequence(Qt::Key_F)));
        times.push_back(driver.timeKeys(field, QKeySequence(Qt::Key_Backspace)));
    }
    return summarise(times).median;
}

double undoRun(WidgetDriver& driver) {
    const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
    std::vector<double> times;
    for (int row = 0; row < state::kGlyphRows; ++row) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            QAbstractButton* pixel = driver.button(QStringLiteral("Command%1").arg(column), row);
            driver.timePixelClick(pixel);
            times.push_back(driver.timeKeys(pixel, undo));
        }
    }
    return summarise(times).median;
}

namespace {

QWidget* anyPixel(WidgetDriver& driver) {
    return driver.button(QStringLiteral("Command1"), 0);
}

}  // namespace

double openPanel(WidgetDriver& driver) {
    return driver.timeKeys(anyPixel(driver), QKeySequence(Qt::CTRL | Qt::Key_L));
}

void closePanel(WidgetDriver& driver) {
    driver.timeKeys(anyPixel(driver), QKeySequence(Qt::CTRL | Qt::Key_L));
}

void previewGlyph(WidgetDriver& driver, int code) {
    driver.type(driver.field(QStringLiteral("previewField")),
                QString::fromStdString("Hello, " + labelText(code) + "!"));
    driver.type(driver.field(QStringLiteral("Text9")), QString::number(code));
    driver.field(QStringLiteral("Text9"))->clearFocus();
}

double fullRepaintRun(WidgetDriver& driver) {
    constexpr int kRepaints = 20;
    std::vector<double> times;
    for (int repaint = 0; repaint < kRepaints; ++repaint) times.push_back(driver.timeRepaint());
    return summarise(times).median;
}

}  // namespace fontedit::bench
