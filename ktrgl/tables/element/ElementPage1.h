// The connectivity page ("Connextivity", dialog 12017): start node, end
// node, length, property and release of every member of the model view's
// member table, edited in place, with the commands of the "element" popup.
// The algorithms live in MemberTableWorker, shared with the bar twin
// CElementBar1; the page adds its six-column grid, the project counters it
// writes and the marks it sets.
#pragma once
#include <QPoint>
#include <string>

#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"
#include "tables/element/MemberTableWorker.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementPage1 : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementPage1(QWidget* parent = nullptr);
    ~CElementPage1() override;

    // The model view, set by the host before the page is shown.
    void SetGeometry(CGeometry* geometry) { m_worker.SetGeometry(geometry); }
    CGeometry* Geometry() const { return m_worker.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    MemberTableWorker& Worker() { return m_worker; }

    bool OnSetActive() override;
    bool OnKillActive() override;

    // ---- commands of the "element" popup -----------------------------------
    void OnCopy();
    void OnPaste();    // asks for the offset, then PasteWithOffset
    void OnDelete();
    void OnAddNew();
    void OnReNumber();
    void OnMove();     // asks for the offset, then MoveWithOffset
    void OnPrint();
    void UpdateTable();
    bool OnCommand(int commandId);

    // ---- what the asking commands do with the answers ----------------------
    bool PasteWithOffset(double dx, double dy, double dz);
    bool MoveWithOffset(double dx, double dy, double dz);

    // ---- cells -----------------------------------------------------------------
    // Stores the edited text into the current cell's member column.
    void CheckIn(const std::string& text);
    void FineLength(int row) { m_worker.FineLength(row); }

    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_worker.MemberCount(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAddNew(); }
    void RefillTable() override { UpdateTable(); }

private:
    // Element count written to the project, the modified mark set.
    void CountChanged();

    MemberTableWorker m_worker;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
