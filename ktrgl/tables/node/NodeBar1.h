// The docked node coordinate bar: the coordinate table of CNodePage1 as a
// bar beside the model view. It differs from the page where a bar must: its
// editor lives as long as the bar and opens with the typed digit, "." or
// "-"; an empty commit stores nothing; Up, Right and Down move the model
// view's node selection with the cursor, and a mouse release or a grid
// selection change shows it; delete and move also redraw the members;
// Re Number runs the model view's renumbering (merge coincident nodes, ask,
// remove unconnected ones); Add New leaves the model's marks alone; and
// Properties... opens the "Node Properties" sheet.
#pragma once
#include <QPoint>
#include <memory>
#include <string>

#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/node/NodeTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class PropertySheet;
class QMenu;

class CNodeBar1 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CNodeBar1(QWidget* parent = nullptr);
    ~CNodeBar1() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    NodeTableWorker& Worker() { return m_worker; }

    // Creates the editor (once) and fills the table.
    bool OnInitDialog() override;

    // ---- commands of the "node" popup ----------------------------------
    void OnCopy();
    void OnPaste();
    void OnDelete();
    void OnSort();         // asks through the model view's ReNumberNode
    void OnMove();
    void OnAddNew();
    void OnLinearGenNode();
    void UpdateTable();
    void OnProperties();   // the modal "Node Properties" sheet, then a refill
    void OnPrint();
    void OnImport();
    bool OnCommand(int commandId);

    // ---- what the asking commands do with the answers -------------------
    bool PasteWithOffset(double dx, double dy, double dz);
    bool MoveWithOffset(double dx, double dy, double dz);
    bool ImportFile(const std::string& path);
    int GenerateLinear(const NodeTableWorker::LinearGeneration& generation);
    // Re Number with the answer to "Check node if not have connectivity
    // will delete" given (true: OK).
    void ReNumber(bool removeUnconnected);

    // The "Node Properties" sheet: a coordinate page and a restraint page
    // on this bar's model view.
    std::unique_ptr<PropertySheet> CreatePropertiesSheet();

    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient --------------------------------------------
    int TableRowCount() const override;
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAddNew(); }
    void RefillTable() override { UpdateTable(); }
    void SelectionChanged() override { ShowSelection(); }

private:
    void ShowSelection();
    void ShowRows(int first, int last);

    NodeTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
