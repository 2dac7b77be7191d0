// The node restraint page ("Restraint "): one restraint code per degree of
// freedom of every node (columns 4.. of the model view's node table; 1 free,
// 0 restrained), edited in place, with the commands of the "DOF" popup.
// Also the second page of the "Node Properties" sheet. The algorithms live
// in NodeTableWorker, shared with the bar twin CNodeBar2.
#pragma once
#include <QPoint>
#include <string>

#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"
#include "tables/node/NodeTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CNodePage2 : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    explicit CNodePage2(QWidget* parent = nullptr);
    ~CNodePage2() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    NodeTableWorker& Worker() { return m_worker; }

    bool OnSetActive() override;
    bool OnKillActive() override;

    // ---- commands of the "DOF" popup -----------------------------------
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
    void OnPrint();
    bool OnCommand(int commandId);

    // The "DOF" popup greyed and checked for the selection (owned by the caller).
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient --------------------------------------------
    int TableRowCount() const override;
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override;
    void RefillTable() override { UpdateTable(); }

private:
    void Restrain(int commandId);

    NodeTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
