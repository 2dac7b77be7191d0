#include "tables/element/MemberLoadPanel.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/SelfWeightDlg.h"
#include "view/Geometry.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

MemberLoadPanel::MemberLoadPanel(GridEditing::Kind kind, QWidget* parent) : QWidget(parent)
{
    m_label = new QLabel(this);
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    m_grid->SetRows(1);
    m_grid->SetCols(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_grid);

    GridEditing::Options options = kind == GridEditing::Bar ? GridEditing::BarOptions() : GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = GridEditing::AppendAfterCommit;
    options.editOnlyTableRows = true;
    m_editing = new GridEditing(m_grid, this, options, this);
    m_editing->SetSelectionTarget(&m_selFrom, &m_selTo, nullptr);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

MemberLoadPanel::~MemberLoadPanel() = default;

void MemberLoadPanel::Select(int from, int to)
{
    m_selFrom = from;
    m_selTo = to;
}

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

void MemberLoadPanel::OnDelete()
{
    m_editing->Commit();
    const int from = m_selFrom >= 1 ? m_selFrom : static_cast<int>(m_grid->GetRow());
    const int to = m_selFrom >= 1 ? m_selTo : from;
    if (m_table.DeleteRows(from, to) > 0) {
        m_selFrom = m_selTo = 0;
        m_table.FillGrid(*m_grid, *m_editing);
    }
}

void MemberLoadPanel::OnCopy()
{
    m_editing->Commit();
    const int from = m_selFrom >= 1 ? m_selFrom : static_cast<int>(m_grid->GetRow());
    m_table.Copy(from, m_selFrom >= 1 ? m_selTo : from);
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
    auto add = [&](const char* text, int id, bool enabled) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        a->setEnabled(enabled);
    };
    add("Add load", CmdAdd, shown);
    add("Delete loads", CmdDelete, shown && m_table.Rows() > 0);
    add("Copy", CmdCopy, shown && m_table.Rows() > 0);
    add("Paste", CmdPaste, shown && m_table.HasCopy());
    menu->addSeparator();
    add("Generate self weight...", CmdSelfWeight, shown && m_table.MemberCount() > 0);
    menu->addSeparator();
    add("Print", CmdPrint, shown);
    add("Word", CmdWord, shown);
    add("Excel", CmdExcel, shown);
    return menu;
}

void MemberLoadPanel::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
