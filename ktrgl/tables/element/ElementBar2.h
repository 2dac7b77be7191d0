// The docked reference point bar: the reference points in the project's
// length unit, the "Parallel X/Y/Z" rules and the bar's own "Generate..."
// rule; every change redraws the reference points of the selection. The
// rules and the grid live in RefPointTable, shared with CElementPage2.
#pragma once
#include <QPoint>
#include <string>

#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/element/RefPointTable.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementBar2 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementBar2(QWidget* parent = nullptr);
    ~CElementBar2() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_points.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }

    bool OnInitDialog() override;

    // ---- commands of the "ref" popup -------------------------------------
    void OnParallelX();
    void OnParallelY();
    void OnParallelZ();
    void ParallelX(int row);
    void ParallelY(int row);
    void ParallelZ(int row);
    // The generation rule for every selected member.
    void OnGenerate();
    void OnSelChangeTable();
    void UpdateTable();
    bool OnCommand(int commandId);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_points.MemberCount(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override;
    void RefillTable() override { UpdateTable(); }

private:
    void Parallel(int axis);
    double Factor() const;

    RefPointTable m_points;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
