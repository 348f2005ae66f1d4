#include "window/overview_accessible.h"

#include <QToolTip>
#include <QWidget>

#include "window/glyph_list.h"
#include "window/glyph_overview.h"

namespace fontedit::window {
namespace {

class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(OverviewAccessible* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_->view() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return view_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? view_->items().itemName(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = view_->items().itemArea(index_);
        return {view_->view()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = view_->view()->hasFocus() && view_->items().cursorItem() == index_;
        state.selected = view_->items().selectedItem() == index_;
        return state;
    }

private:
    OverviewAccessible* view_;
    int index_;
};

template <typename View>
QAccessibleInterface* viewInterface(const QString& key, QObject* object) {
    if (key != QLatin1String(View::staticMetaObject.className())) return nullptr;
    auto* view = static_cast<View*>(object);
    return new OverviewAccessible(view, *view);
}

QAccessibleInterface* makeInterface(const QString& key, QObject* object) {
    if (QAccessibleInterface* made = viewInterface<GlyphOverview>(key, object)) return made;
    return viewInterface<GlyphList>(key, object);
}

}  // namespace

void showItemTip(QWidget& view, const AccessibleItems& items, QPoint point, QPoint globalPosition) {
    if (const std::optional<int> index = items.itemUnder(point)) {
        QToolTip::showText(globalPosition, items.itemName(*index), &view, items.itemArea(*index));
    } else {
        QToolTip::hideText();
    }
}

void installOverviewAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

OverviewAccessible::OverviewAccessible(QWidget* view, const AccessibleItems& items)
    : QAccessibleWidget(view, QAccessible::List), items_(items) {}

OverviewAccessible::~OverviewAccessible() {
    for (const auto& [index, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

int OverviewAccessible::childCount() const {
    return items_.itemCount();
}

QAccessibleInterface* OverviewAccessible::child(int index) const {
    if (index < 0 || index >= items_.itemCount()) return nullptr;
    QAccessible::Id& id = cells_[index];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new CellAccessible(const_cast<OverviewAccessible*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
}

int OverviewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [index, id] : cells_) {
        if (QAccessible::accessibleInterface(id) == child) return index;
    }
    return -1;
}

QAccessibleInterface* OverviewAccessible::childAt(int x, int y) const {
    const std::optional<int> index = items_.itemUnder(widget()->mapFromGlobal(QPoint(x, y)));
    return index ? child(*index) : nullptr;
}

QAccessibleInterface* OverviewAccessible::focusChild() const {
    return widget()->hasFocus() ? child(items_.cursorItem()) : nullptr;
}

}  // namespace fontedit::window
