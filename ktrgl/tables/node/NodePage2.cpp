#include "tables/node/NodePage2.h"

#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "view/Geometry.h"

#include <QMenu>
#include <QVBoxLayout>

CNodePage2::CNodePage2(QWidget* parent) : PropertyPage("Restraint ", parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);

    // The page routes no keys: an edit is committed when the cell is left.
    GridEditing::Options options = GridEditing::PageOptions();
    options.routedKeys = 0;
    options.activeTableCode = CGeometry::TableNodes;
    m_editing = new GridEditing(m_grid, this, options, this);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CNodePage2::~CNodePage2() = default;

void CNodePage2::SetGeometry(CGeometry* geometry) { m_worker.SetGeometry(geometry, *m_editing); }

bool CNodePage2::OnSetActive()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

bool CNodePage2::OnKillActive()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
    if (CGeometry* geometry = Geometry())
        geometry->RenderSupport();
    return true;
}

void CNodePage2::UpdateTable()
{
    if (Geometry())
        m_worker.FillRestraintGrid(*m_grid, *m_editing);
}

int CNodePage2::TableRowCount() const { return m_worker.NodeCount(); }

void CNodePage2::StoreCell(long row, long col, const std::string& text)
{
    m_worker.StoreCodeCell(*m_grid, row, col, text);
}

void CNodePage2::AfterCommit()
{
    if (CGeometry* geometry = Geometry())
        geometry->RenderSupport();
}

// ---- commands ----------------------------------------------------------------

void CNodePage2::Restrain(int commandId)
{
    if (!Geometry())
        return;
    m_editing->Commit();
    m_worker.Restrain(commandId, m_grid);
}

void CNodePage2::PlanXY() { Restrain(ID_DOF_PLAN_XY); }
void CNodePage2::PlanYZ() { Restrain(ID_DOF_PLAN_YZ); }
void CNodePage2::PlanXZ() { Restrain(ID_DOF_PLAN_XZ); }
void CNodePage2::Pinned() { Restrain(ID_DOF_PINNED); }
void CNodePage2::Fixed() { Restrain(ID_DOF_FIXED); }
void CNodePage2::Free() { Restrain(ID_DOF_FREE); }
void CNodePage2::LockFx() { Restrain(ID_DOF_LOCK_FX); }
void CNodePage2::LockFy() { Restrain(ID_DOF_LOCK_FY); }
void CNodePage2::LockFz() { Restrain(ID_DOF_LOCK_FZ); }
void CNodePage2::LockMx() { Restrain(ID_DOF_LOCK_MX); }
void CNodePage2::LockMy() { Restrain(ID_DOF_LOCK_MY); }
void CNodePage2::LockMz() { Restrain(ID_DOF_LOCK_MZ); }

void CNodePage2::OnPrint() { m_worker.PrintRestraints(); }

bool CNodePage2::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_DOF_PLAN_XY: PlanXY(); return true;
    case ID_DOF_PLAN_YZ: PlanYZ(); return true;
    case ID_DOF_PLAN_XZ: PlanXZ(); return true;
    case ID_DOF_PINNED: Pinned(); return true;
    case ID_DOF_FIXED: Fixed(); return true;
    case ID_DOF_FREE: Free(); return true;
    case ID_DOF_LOCK_FX: LockFx(); return true;
    case ID_DOF_LOCK_FY: LockFy(); return true;
    case ID_DOF_LOCK_FZ: LockFz(); return true;
    case ID_DOF_LOCK_MX: LockMx(); return true;
    case ID_DOF_LOCK_MY: LockMy(); return true;
    case ID_DOF_LOCK_MZ: LockMz(); return true;
    case ID_DOF_REFRESH: UpdateTable(); return true;
    case ID_DOF_PRINT: OnPrint(); return true;
    default: return false;
    }
}

QMenu* CNodePage2::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("DOF", this);
    m_worker.PrepareDofMenu(menu);
    return menu;
}

void CNodePage2::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
