#include "tables/element/ElementPage2.h"

#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"
#include "view/Geometry.h"

#include <QMenu>

CElementPage2::CElementPage2(QWidget* parent) : PropertyPage("Reference point", parent)
{
    setObjectName("12019");
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::PageOptions();
    options.orderDraggedRange = true;
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter;
    options.activeTableCode = CGeometry::TableRefPoints;
    options.selectAllColumn = 3;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CElementPage2::~CElementPage2() = default;

void CElementPage2::SetGeometry(CGeometry* geometry)
{
    m_points.SetGeometry(geometry);
    if (geometry)
        m_editing->SetSelectionTarget(&geometry->m_selMemberFrom, &geometry->m_selMemberTo, &geometry->m_activeTable);
}

bool CElementPage2::OnSetActive()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

bool CElementPage2::OnKillActive()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
    return true;
}

void CElementPage2::UpdateTable()
{
    if (Geometry())
        m_points.FillGrid(*m_grid, *m_editing, 1.0, false);
}

void CElementPage2::StoreCell(long row, long col, const std::string& text)
{
    if (m_points.StoreCell(*m_grid, row, col, text, 1.0))
        Geometry()->m_modelChanged = true;
}

void CElementPage2::Parallel(int axis)
{
    if (m_points.ParallelSelection(axis, *m_grid, 1.0))
        Geometry()->m_modelChanged = true;
}

void CElementPage2::ParallelX(int row) { m_points.ParallelRow(1, row, *m_grid, 1.0); }

void CElementPage2::ParallelY(int row) { m_points.ParallelRow(2, row, *m_grid, 1.0); }

void CElementPage2::ParallelZ(int row) { m_points.ParallelRow(3, row, *m_grid, 1.0); }

void CElementPage2::OnParallelX() { Parallel(1); }
void CElementPage2::OnParallelY() { Parallel(2); }
void CElementPage2::OnParallelZ() { Parallel(3); }

void CElementPage2::OnGenerate()
{
    if (Geometry())
        Geometry()->m_modelChanged = true;
}

void CElementPage2::OnPrint()
{
    m_editing->Commit();
    m_points.Print();
}

bool CElementPage2::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_REF_PARALLEL_X: OnParallelX(); return true;
    case ID_REF_PARALLEL_Y: OnParallelY(); return true;
    case ID_REF_PARALLEL_Z: OnParallelZ(); return true;
    case ID_REF_GENERATE: OnGenerate(); return true;
    case ID_REF_PRINT: OnPrint(); return true;
    default: return false;
    }
}

QMenu* CElementPage2::CreateContextMenu() { return MenuResource::CreatePopup("ref", this); }

void CElementPage2::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
