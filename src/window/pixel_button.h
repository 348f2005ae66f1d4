#pragma once

// A pixel of the glyph grid: a captionless push button that paints its own face in the lit
// colour or the button-face colour, so no style can tint or shade it.
#include <QAbstractButton>

namespace fontedit::window {

class PixelButton : public QAbstractButton {
    Q_OBJECT
    // The control array's index, the row: declared rather than set as a dynamic property, which
    // costs each pixel a property notice at start.
    Q_PROPERTY(int Index READ row CONSTANT)

public:
    PixelButton(int column, int row, QWidget* parent = nullptr);

    int row() const { return row_; }
    // What a screen reader calls the pixel: its place in the grid.
    QString placeName() const;
    bool isLit() const { return lit_; }
    void setLit(bool lit);
    // The colour the face shows now.
    QColor faceColour() const;

signals:
    // An arrow key asks for the focus to move this many columns and rows across the grid.
    void focusStepRequested(int columns, int rows);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int column_;
    int row_;
    bool lit_ = false;
};

}  // namespace fontedit::window
