#pragma once

// What a screen reader finds in a view of glyphs, the 一覧 overview of 96 or the list of every
// glyph of a larger font: a list whose items read as the view names them ("33 A", "U+3042 あ
// uni3042"), the framed one selected and the one the arrow keys are on focused. An item's
// interface is made only when a reader asks for it.
#include <QAccessibleWidget>
#include <QRect>
#include <optional>
#include <unordered_map>

namespace fontedit::window {

// What the view tells of its items, counted from 0.
class AccessibleItems {
public:
    virtual int itemCount() const = 0;
    virtual QString itemName(int index) const = 0;
    // In the widget's own pixels.
    virtual QRect itemArea(int index) const = 0;
    virtual std::optional<int> itemUnder(QPoint point) const = 0;
    virtual std::optional<int> selectedItem() const = 0;
    virtual int cursorItem() const = 0;

protected:
    ~AccessibleItems() = default;
};

// The tip naming the item at `point` of `view`, or none there; `globalPosition` is the
// pointer's.
void showItemTip(QWidget& view, const AccessibleItems& items, QPoint point, QPoint globalPosition);

// Makes the views' interfaces from then on; once is enough.
void installOverviewAccessible();

class OverviewAccessible : public QAccessibleWidget {
public:
    OverviewAccessible(QWidget* view, const AccessibleItems& items);
    ~OverviewAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    const AccessibleItems& items() const { return items_; }
    QWidget* view() const { return widget(); }

private:
    const AccessibleItems& items_;
    // Made when first asked for, and owned by Qt's cache of interfaces until this one goes.
    mutable std::unordered_map<int, QAccessible::Id> cells_;
};

}  // namespace fontedit::window
