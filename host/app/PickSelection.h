// What a pick in the model view selects in the tables: the rows of the
// picked nodes in the node coordinate bar, or of the picked members in the
// member connectivity bar, the first of them scrolled into view, and the
// same set highlighted in the view (which may be more than one range).
#pragma once
#include <QVector>

class CGeometry;
class DockManager;
class ModelViewWidget;

namespace PickSelection {

void SelectNodes(DockManager& docks, CGeometry& geometry, ModelViewWidget& view,
                 const QVector<int>& nodes);
void SelectMembers(DockManager& docks, CGeometry& geometry, ModelViewWidget& view,
                   const QVector<int>& members);

} // namespace PickSelection
