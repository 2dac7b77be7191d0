// The node coordinate page ("Coordinate"): X, Y, Z of every node of the
// model view's node table in display units, edited in place, with the
// commands of the "node" popup. Also the first page of the docked
// coordinate bar's "Node Properties" sheet. The algorithms live in
// NodeTableWorker, shared with the bar twin CNodeBar1.
#pragma once
#include <QPoint>
#include <string>

#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"
#include "tables/node/NodeTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CNodePage1 : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    explicit CNodePage1(QWidget* parent = nullptr);
    ~CNodePage1() override;

    // The model view, set by the owner before the page is shown.
    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    NodeTableWorker& Worker() { return m_worker; }

    // Page protocol: the table is filled when the page becomes active; when
    // it is left the editor goes and the model view rebuilds its nodes.
    bool OnSetActive() override;
    bool OnKillActive() override;

    // ---- commands of the "node" popup ----------------------------------
    void OnCopy();
    void OnPaste();   // asks for the offset, then PasteWithOffset
    void OnDelete();
    void OnSort();    // Re Number: removes the nodes no member uses
    void OnMove();    // asks for the offset, then MoveWithOffset
    void OnAddNew();
    void OnLinearGenNode(); // asks the generation dialog, then GenerateLinear
    void UpdateTable();
    void OnPrint();
    void OnImport();  // asks for the file, then ImportFile
    // Runs the handler of a command id; false for an id the page lacks.
    bool OnCommand(int commandId);

    // ---- what the asking commands do with the answers -------------------
    bool PasteWithOffset(double dx, double dy, double dz);
    bool MoveWithOffset(double dx, double dy, double dz);
    bool ImportFile(const std::string& path);
    int GenerateLinear(const NodeTableWorker::LinearGeneration& generation);

    // The "node" popup greyed for the table's state (owned by the caller).
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient --------------------------------------------
    int TableRowCount() const override;
    void StoreCell(long row, long col, const std::string& text) override;
    void AfterCommit() override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAddNew(); }
    void RefillTable() override { UpdateTable(); }

private:
    // Rewrites columns 1..3 of the rows first..last that lie in the window.
    void ShowRows(int first, int last);

    NodeTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
