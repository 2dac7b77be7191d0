// The widgets of the member load table that the page (CMemberLoadPage) and
// the bar (CMemberLoadBar) both show: a line naming what is shown, the grid
// (control 12039) with the active load case's member loads, and the table's
// popup: add, delete, copy, paste, "Generate self weight", print, Word and
// Excel. The page and the bar each hold one panel; the algorithms are
// MemberLoadTable's. The panel follows the project's active load case
// ("LOADS CASE"); while a combination is active it shows nothing to edit.
#pragma once
#include <QPoint>
#include <QWidget>
#include <string>

#include "tables/GridEditing.h"
#include "tables/element/MemberLoadTable.h"

class CGeometry;
class CMSFlexGrid;
class QLabel;
class QMenu;

class MemberLoadPanel : public QWidget, public GridEditingClient {
    Q_OBJECT
public:
    // The commands of the popup.
    enum Command {
        CmdAdd = 1,
        CmdDelete,
        CmdCopy,
        CmdPaste,
        CmdSelfWeight,
        CmdPrint,
        CmdWord,
        CmdExcel,
    };

    MemberLoadPanel(GridEditing::Kind kind, QWidget* parent = nullptr);
    ~MemberLoadPanel() override;

    void SetGeometry(CGeometry* geometry) { m_table.SetGeometry(geometry); }
    CGeometry* Geometry() const { return m_table.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    QLabel* CaseLabel() const { return m_label; }
    MemberLoadTable& Table() { return m_table; }
    // The selected load rows.
    int SelectionFrom() const { return m_selFrom; }
    int SelectionTo() const { return m_selTo; }
    void Select(int from, int to);

    // Re-reads the active case's file, fills the grid and redraws the
    // glyphs.
    void UpdateTable();

    // ---- commands ------------------------------------------------------------
    void OnAdd();
    void OnDelete();
    void OnCopy();
    void OnPaste();
    // Asks the self weight dialog, then GenerateSelfWeight with the answers.
    void OnSelfWeight();
    int GenerateSelfWeight(double shownWeight, int direction);
    bool OnCommand(int command);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -----------------------------------------------------
    int TableRowCount() const override { return m_table.CurrentCase() >= 1 ? m_table.Rows() : 0; }
    void StoreCell(long row, long col, const std::string& text) override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAdd(); }
    void RefillTable() override;
    void ContextMenu(const QPoint& globalPos) override { OnContextMenu(globalPos); }

private:
    void ShowCase();

    MemberLoadTable m_table;
    QLabel* m_label = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
    int m_selFrom = 0;
    int m_selTo = 0;
};
