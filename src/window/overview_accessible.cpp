#include "window/overview_accessible.h"

#include <QWidget>
#include <optional>

#include "window/glyph_overview.h"

namespace fontedit::window {
namespace {

class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(QAccessibleInterface* overview, int code) : overview_(overview), code_(code) {}

    bool isValid() const override { return view() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return overview_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return overview_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? view()->cellText(code_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = GlyphOverview::cellRect(code_);
        return {view()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = view()->hasFocus() && view()->cursor() == code_;
        state.selected = view()->current() == code_;
        return state;
    }

private:
    GlyphOverview* view() const { return static_cast<OverviewAccessible*>(overview_)->overview(); }

    QAccessibleInterface* overview_;
    int code_;
};

QAccessibleInterface* makeInterface(const QString& key, QObject* object) {
    if (key != QLatin1String(GlyphOverview::staticMetaObject.className())) return nullptr;
    return new OverviewAccessible(static_cast<GlyphOverview*>(object));
}

}  // namespace

void installOverviewAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

OverviewAccessible::OverviewAccessible(GlyphOverview* overview)
    : QAccessibleWidget(overview, QAccessible::List) {}

OverviewAccessible::~OverviewAccessible() {
    for (const QAccessible::Id id : cells_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

GlyphOverview* OverviewAccessible::overview() const {
    return static_cast<GlyphOverview*>(widget());
}

int OverviewAccessible::childCount() const {
    return state::kSavedCodes;
}

QAccessibleInterface* OverviewAccessible::child(int index) const {
    if (index < 0 || index >= state::kSavedCodes) return nullptr;
    QAccessible::Id& id = cells_[index];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new CellAccessible(const_cast<OverviewAccessible*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
}

int OverviewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < state::kSavedCodes; ++index) {
        if (cells_[index] != 0 && QAccessible::accessibleInterface(cells_[index]) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface* OverviewAccessible::childAt(int x, int y) const {
    const std::optional<int> code = overview()->codeAt(overview()->mapFromGlobal(QPoint(x, y)));
    return code ? child(*code) : nullptr;
}

QAccessibleInterface* OverviewAccessible::focusChild() const {
    return overview()->hasFocus() ? child(overview()->cursor()) : nullptr;
}

}  // namespace fontedit::window
