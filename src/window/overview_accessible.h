#pragma once

// What a screen reader finds in the 一覧 overview: a list of the 96 glyphs, each item read as
// its code and label ("33 A"), the framed one selected and the one the arrow keys are on
// focused.
#include <QAccessibleWidget>
#include <array>

#include "state/tables.h"

namespace fontedit::window {

class GlyphOverview;

// Makes the overviews' interfaces from then on; once is enough.
void installOverviewAccessible();

class OverviewAccessible : public QAccessibleWidget {
public:
    explicit OverviewAccessible(GlyphOverview* overview);
    ~OverviewAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    GlyphOverview* overview() const;

private:
    // Made when first asked for, and owned by Qt's cache of interfaces until this one goes.
    mutable std::array<QAccessible::Id, state::kSavedCodes> cells_{};
};

}  // namespace fontedit::window
