// The docked node restraint bar: the restraint table of CNodePage2 with six
// check boxes "Fx" .. "Mz" (group "Restraint") that show the current row's
// codes (checked = restrained) and toggle them when clicked. After every
// command, commit, mouse press and refill the boxes follow the current row
// and the model view redraws its supports; Up and Down commit and move the
// model view's node selection with the cursor. The bar has no printout.
#pragma once
#include <QPoint>
#include <string>

#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/node/NodeTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class QCheckBox;
class QLabel;
class QMenu;

class CNodeBar2 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CNodeBar2(QWidget* parent = nullptr);
    ~CNodeBar2() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    QLabel* Legend() const { return m_legend; }
    GridEditing* Editing() const { return m_editing; }
    NodeTableWorker& Worker() { return m_worker; }
    // Check box k = 1..6 (controls 12014 .. 12019).
    QCheckBox* Box(int k) const;

    bool OnInitDialog() override;

    // ---- commands of the "DOF" popup and the check boxes ---------------
    void PlanXY();
    void PlanYZ();
    void PlanXZ();
    void Pinned();
    void Fixed();
    void Free();
    void LockFx();
    void LockFy();
    void LockFz();
    void LockMx();
    void LockMy();
    void LockMz();
    void UpdateTable();
    bool OnCommand(int commandId);

    // The boxes set from the current row's codes.
    void UpdateChecks();

    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient --------------------------------------------
    int TableRowCount() const override;
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override { ShowSupports(); }
    void RefillTable() override { UpdateTable(); }
    void SelectionChanged() override;
    void MousePressed(short button) override;

private:
    void Restrain(int commandId);
    // Boxes from the current row, then the supports redrawn.
    void ShowSupports();

    NodeTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    QLabel* m_legend = nullptr; // what the columns and codes mean
    GridEditing* m_editing = nullptr;
    QCheckBox* m_boxes[6] = {};
};
