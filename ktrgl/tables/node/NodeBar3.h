// The docked load bar: the project's load cases in a drop-down list
// (control 12049, "Load case:%d"), the node loads of the chosen case in the
// grid (control 12039) and six disabled check boxes "Fx" .. "Mz" (group
// "Restraint", controls 12014 .. 12019) showing the supports of the pressed
// node. A load typed at a supported degree of freedom is refused. The
// commands of the "load" popup add, delete, copy, paste, generate and print.
// The algorithms live in LoadCaseWorker.
#pragma once
#include <QPoint>
#include <string>

#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/node/LoadCaseWorker.h"

class CGeometry;
class CMSFlexGrid;
class QCheckBox;
class QComboBox;
class QMenu;

class CNodeBar3 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CNodeBar3(QWidget* parent = nullptr);
    ~CNodeBar3() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    QComboBox* CaseList() const { return m_list; }
    GridEditing* Editing() const { return m_editing; }
    LoadCaseWorker& Worker() { return m_worker; }
    // Check box k = 1..6 (controls 12014 .. 12019).
    QCheckBox* Box(int k) const;

    bool OnInitDialog() override;

    // ---- the case list -------------------------------------------------------
    // Opened: refilled with the cases, the copy buffer emptied.
    void OnDropdown();
    // Closed with a choice: that case is shown.
    void OnCloseup();

    // ---- commands of the "load" popup ----------------------------------------
    void OnAdd();
    void OnDelete();
    void OnCopy();
    void OnPaste();
    // Asks the generation dialog, then GenerateLoads with the answers.
    void LoadGennerate();
    void GenerateLoads(const LoadCaseWorker::LoadGeneration& generation);
    void OnPrint();
    bool OnCommand(int commandId);
    // The restraint boxes only show; clicking them does nothing.
    void OnFx() {}
    void OnFy() {}
    void OnFz() {}
    void OnMx() {}
    void OnMy() {}
    void OnMz() {}

    void UpdateTable();
    // The case list, the active case's loads and the table from the
    // project as it is now (another project, an undo).
    void Reread();
    // The boxes from the restraints of node row (unchecked outside the table).
    void UpdateChecks(long row);

    // The "load" popup greyed and checked (owned by the caller).
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -----------------------------------------------------
    int TableRowCount() const override;
    void StoreCell(long row, long col, const std::string& text) override;
    void DeleteRows() override { OnDelete(); }
    void RefillTable() override;
    void MousePressed(short button) override;

private:
    // The list holds "Load case:1" .. N with the shown case chosen.
    void FillCaseList();

    LoadCaseWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    QComboBox* m_list = nullptr;
    GridEditing* m_editing = nullptr;
    QCheckBox* m_boxes[6] = {};
};
