// The grid of an element table page, bar or panel: the flex grid (control
// 12039) filling its owner in a vertical layout, and its editing with the
// table's popup on a right click.
#pragma once
#include <QPoint>
#include <functional>

#include "tables/GridEditing.h"

class CMSFlexGrid;
class QWidget;

class TableGrid {
public:
    // The grid in a vertical layout of owner with margin on every side;
    // header (may be null) stands above it.
    static CMSFlexGrid* Create(QWidget* owner, int margin, QWidget* header = nullptr);
    // The grid's editing for client, owned by owner; a right click on the
    // grid calls popup with the cursor's screen point.
    static GridEditing* Edit(CMSFlexGrid* grid, GridEditingClient* client, const GridEditing::Options& options,
                             QWidget* owner, const std::function<void(const QPoint&)>& popup);
};
