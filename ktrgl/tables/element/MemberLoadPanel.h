// The widgets of the member load table that the page (CMemberLoadPage) and
// the bar (CMemberLoadBar) both show: a line naming what is shown, the grid
// (control 12039) with the active load case's member loads, and the table's
// popup: add, delete, copy, paste, "Generate self weight", print, Word and
// Excel. The page and the bar each hold one panel; the algorithms are
// MemberLoadTable's. The panel follows the project's active load case
// ("LOADS CASE"); while a combination is active it shows nothing to edit.
#pragma once
#include <string>

#include "tables/element/MemberLoadTable.h"
#include "tables/element/TablePanel.h"

class CGeometry;
class QLabel;

class MemberLoadPanel : public TablePanel {
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
    QLabel* CaseLabel() const { return m_label; }
    MemberLoadTable& Table() { return m_table; }

    // Re-reads the active case's file, fills the grid and redraws the
    // glyphs.
    void UpdateTable() override;

    // ---- commands ------------------------------------------------------------
    void OnAdd();
    void OnCopy();
    void OnPaste();
    // Asks the self weight dialog, then GenerateSelfWeight with the answers.
    void OnSelfWeight();
    int GenerateSelfWeight(double shownWeight, int direction);
    bool OnCommand(int command) override;
    QMenu* CreateContextMenu() override;

    // ---- GridEditingClient -----------------------------------------------------
    int TableRowCount() const override { return m_table.CurrentCase() >= 1 ? m_table.Rows() : 0; }
    void StoreCell(long row, long col, const std::string& text) override;
    void AppendRow() override { OnAdd(); }
    void RefillTable() override;
    void ContextMenu(const QPoint& globalPos) override { OnContextMenu(globalPos); }

protected:
    int DeleteTableRows(int from, int to) override { return m_table.DeleteRows(from, to); }

private:
    void ShowCase();

    MemberLoadTable m_table;
    QLabel* m_label = nullptr;
};
