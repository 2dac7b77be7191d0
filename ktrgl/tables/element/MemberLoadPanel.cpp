#include "tables/element/MemberLoadPanel.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/MSFlexGrid.h"
#include "tables/element/SelfWeightDlg.h"
#include "view/Geometry.h"

#include <QLabel>
#include <QMenu>

MemberLoadPanel::MemberLoadPanel(GridEditing::Kind kind, QWidget* parent) : TablePanel(parent)
{
    m_label = new QLabel(this);
    CreateGrid(kind, GridEditing::AppendAfterCommit, m_label);
}

MemberLoadPanel::~MemberLoadPanel() = default;

void MemberLoadPanel::ShowCase()
{
    CProject project;
    const int k = project.GetActiveLoadCase();
    const int cases = project.GetLoadCaseCount();
    QString text;
    if (m_table.CurrentCase() >= 1)
        text = QString("Load case:%1").arg(m_table.CurrentCase());
    else if (k > cases && cases >= 1)
        text = QString("Combination %1 is active: its loads are those of its cases (read only)").arg(k - cases);
    else
        text = "No load case";
    m_label->setText(text);
    m_grid->setEnabled(m_table.CurrentCase() >= 1);
}

void MemberLoadPanel::UpdateTable()
{
    const int k = MemberLoadTable::ActiveCase();
    if (k < 1 || !m_table.Choose(k))
        m_table.Unchoose();
    m_table.FillGrid(*m_grid, *m_editing);
    m_table.Redraw();
    ShowCase();
}

void MemberLoadPanel::RefillTable() { m_table.FillGrid(*m_grid, *m_editing); }

// ---- cells -----------------------------------------------------------------------

void MemberLoadPanel::StoreCell(long row, long col, const std::string& text)
{
    if (row < 1 || row > TableRowCount() || col < 1 || col > MemberLoadTable::kColumns)
        return;
    m_table.StoreCell(static_cast<int>(row), static_cast<int>(col), GridEditing::ParseNumber(text));
    // The row as stored: a refused value shows the old one again, a new
    // kind shows what it cleared.
    m_table.ShowRow(*m_grid, static_cast<int>(row));
}

// ---- commands ----------------------------------------------------------------------

void MemberLoadPanel::OnAdd()
{
    m_editing->Commit();
    int member = 1;
    if (CGeometry* g = Geometry())
        member = g->m_selMemberFrom;
    if (m_table.AddRow(member) < 1)
        return;
    m_table.FillGrid(*m_grid, *m_editing);
}

void MemberLoadPanel::OnCopy()
{
    m_editing->Commit();
    int from = 0;
    int to = 0;
    SelectedRows(from, to);
    m_table.Copy(from, to);
}

void MemberLoadPanel::OnPaste()
{
    m_editing->Commit();
    if (m_table.Paste() > 0)
        m_table.FillGrid(*m_grid, *m_editing);
}

void MemberLoadPanel::OnSelfWeight()
{
    m_editing->Commit();
    if (m_table.CurrentCase() < 1 || !Geometry())
        return;
    CProject project;
    const std::string length = project.GetLengthUnit();
    const std::string force = project.GetForceUnit();
    // Steel, 78.5 kN/m^3, in the project's units.
    const double stored = 78.5 / CGeometry::ForceFactorOf("kN");
    const double shown = stored * m_table.Factor(MemberLoadTable::KindSelfWeight, MemberLoadTable::ColW1);
    CSelfWeightDlg dialog(shown, QString::fromStdString(force + "/" + length + "^3"), this);
    if (dialog.DoModal() != platform::IDOK)
        return;
    GenerateSelfWeight(dialog.Weight(), dialog.Direction());
}

int MemberLoadPanel::GenerateSelfWeight(double shownWeight, int direction)
{
    const int written = m_table.GenerateSelfWeight(shownWeight, direction);
    if (written > 0)
        m_table.FillGrid(*m_grid, *m_editing);
    return written;
}

bool MemberLoadPanel::OnCommand(int command)
{
    switch (command) {
    case CmdAdd: OnAdd(); return true;
    case CmdDelete: OnDelete(); return true;
    case CmdCopy: OnCopy(); return true;
    case CmdPaste: OnPaste(); return true;
    case CmdSelfWeight: OnSelfWeight(); return true;
    case CmdPrint: m_editing->Commit(); return m_table.Publish(MemberLoadTable::PrintOut);
    case CmdWord: m_editing->Commit(); return m_table.Publish(MemberLoadTable::WordExport);
    case CmdExcel: m_editing->Commit(); return m_table.Publish(MemberLoadTable::ExcelExport);
    default: return false;
    }
}

QMenu* MemberLoadPanel::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    const bool shown = m_table.CurrentCase() >= 1;
    AddCommand(menu, "Add load", CmdAdd, shown);
    AddCommand(menu, "Delete loads", CmdDelete, shown && m_table.Rows() > 0);
    AddCommand(menu, "Copy", CmdCopy, shown && m_table.Rows() > 0);
    AddCommand(menu, "Paste", CmdPaste, shown && m_table.HasCopy());
    menu->addSeparator();
    AddCommand(menu, "Generate self weight...", CmdSelfWeight, shown && m_table.MemberCount() > 0);
    menu->addSeparator();
    AddCommand(menu, "Print", CmdPrint, shown);
    AddCommand(menu, "Word", CmdWord, shown);
    AddCommand(menu, "Excel", CmdExcel, shown);
    return menu;
}
