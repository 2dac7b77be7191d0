#include "tables/element/ElementPage1.h"

#include "project/Project.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"
#include "tables/node/OffsetCommand.h"
#include "view/Geometry.h"

#include <QMenu>

CElementPage1::CElementPage1(QWidget* parent) : PropertyPage("Connextivity", parent)
{
    setObjectName("12017");
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::PageOptions();
    options.orderDraggedRange = true;
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = GridEditing::AppendAfterCommit;
    options.activeTableCode = CGeometry::TableConnectivity;
    options.selectAllColumn = 3;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CElementPage1::~CElementPage1() = default;

bool CElementPage1::OnSetActive()
{
    if (CGeometry* geometry = Geometry())
        m_editing->SetSelectionTarget(&geometry->m_selMemberFrom, &geometry->m_selMemberTo,
                                      &geometry->m_activeTable);
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

bool CElementPage1::OnKillActive()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
    return true;
}

void CElementPage1::UpdateTable()
{
    if (Geometry())
        m_worker.FillGrid(*m_grid, *m_editing, false);
}

// ---- cells ---------------------------------------------------------------------

void CElementPage1::StoreCell(long, long, const std::string& text) { CheckIn(text); }

void CElementPage1::CheckIn(const std::string& text)
{
    CGeometry* geometry = Geometry();
    const long row = m_grid->GetRow();
    const int column = MemberTableWorker::MemberColumnOf(m_grid->GetCol(), false);
    if (!geometry || row < 1 || row > TableRowCount() || column < 1 || column == MemberTableWorker::ColLength)
        return;
    const long value = m_worker.CheckIn(static_cast<int>(row), column, GridEditing::ParseInteger(text));
    m_grid->SetTextMatrix(row, m_grid->GetCol(), GridEditing::Format("         %ld", value));
    if (column == MemberTableWorker::ColStart || column == MemberTableWorker::ColEnd)
        m_worker.ShowRow(*m_grid, row, false);
    geometry->m_modelChanged = true;
}

// ---- commands ------------------------------------------------------------------

void CElementPage1::CountChanged()
{
    CGeometry* geometry = Geometry();
    CProject project;
    project.GetElementCount() = m_worker.MemberCount();
    project.GetNodeCount() = m_worker.NodeCount();
    project.Settings(true);
    geometry->m_modelChanged = true;
}

void CElementPage1::OnCopy() { m_worker.Copy(); }

void CElementPage1::OnPaste()
{
    OffsetCommand::AskForPaste(this, m_worker.HasClipboard(),
                               [this](double dx, double dy, double dz) { PasteWithOffset(dx, dy, dz); });
}

bool CElementPage1::PasteWithOffset(double dx, double dy, double dz)
{
    if (m_worker.Paste(dx, dy, dz) == 0)
        return false;
    UpdateTable();
    CountChanged();
    return true;
}

void CElementPage1::OnMove()
{
    OffsetCommand::AskForMove(this, m_worker, [this](double dx, double dy, double dz) { MoveWithOffset(dx, dy, dz); });
}

bool CElementPage1::MoveWithOffset(double dx, double dy, double dz)
{
    if (m_worker.Move(dx, dy, dz) == 0)
        return false;
    CGeometry* geometry = Geometry();
    geometry->m_geometryChanged = true;
    geometry->UpdateNode();
    return true;
}

void CElementPage1::OnDelete()
{
    m_editing->Commit();
    if (!m_worker.Delete())
        return;
    UpdateTable();
    CountChanged();
}

void CElementPage1::OnAddNew()
{
    if (!Geometry())
        return;
    m_worker.AddNew(0.0);
    const int count = m_worker.MemberCount();
    m_grid->SetRows(count + 1);
    m_worker.ShowRow(*m_grid, count, false);
    CountChanged();
}

void CElementPage1::OnReNumber()
{
    if (!Geometry())
        return;
    m_editing->Commit();
    m_worker.RemoveZeroLength();
    m_worker.RemoveDuplicates();
    CountChanged();
    UpdateTable();
}

void CElementPage1::OnPrint() { m_worker.Print(); }

bool CElementPage1::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_ELEMENT_COPY: OnCopy(); return true;
    case ID_ELEMENT_PASTE: OnPaste(); return true;
    case ID_ELEMENT_DELETE: OnDelete(); return true;
    case ID_ELEMENT_ADDNEW: OnAddNew(); return true;
    case ID_ELEMENT_RENUMBER: OnReNumber(); return true;
    case ID_ELEMENT_REFRESH: UpdateTable(); return true;
    case ID_ELEMENT_MOVE: OnMove(); return true;
    case ID_ELEMENT_PRINT: OnPrint(); return true;
    default: return false;
    }
}

QMenu* CElementPage1::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("element", this);
    // The geometric commands are the bar's.
    for (int id : {ID_ELEMENT_MIRROR, ID_ELEMENT_ROTATE, ID_ELEMENT_GENERATE, ID_ELEMENT_RELEASE,
                   ID_ELEMENT_PROPERTIES, ID_ELEMENT_IMPORT})
        MenuResource::RemoveCommand(menu, id);
    MenuResource::EnableCommand(menu, ID_ELEMENT_PASTE, m_worker.HasClipboard());
    return menu;
}

void CElementPage1::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
