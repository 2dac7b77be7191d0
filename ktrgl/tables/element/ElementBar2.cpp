#include "tables/element/ElementBar2.h"

#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"
#include "view/Geometry.h"

#include <QMenu>

CElementBar2::CElementBar2(QWidget* parent) : DialogBar("Reference point", parent)
{
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::BarOptions();
    options.orderDraggedRange = true;
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter;
    options.activeTableCode = CGeometry::TableRefPoints;
    options.selectAllColumn = 3;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
    connect(m_grid, &CMSFlexGrid::SelChange, this, &CElementBar2::OnSelChangeTable);
}

CElementBar2::~CElementBar2() = default;

void CElementBar2::SetGeometry(CGeometry* geometry)
{
    m_points.SetGeometry(geometry);
    if (geometry)
        m_editing->SetSelectionTarget(&geometry->m_selMemberFrom, &geometry->m_selMemberTo, &geometry->m_activeTable);
}

bool CElementBar2::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

double CElementBar2::Factor() const { return Geometry()->GetLengthFactor(); }

void CElementBar2::UpdateTable()
{
    if (Geometry())
        m_points.FillGrid(*m_grid, *m_editing, Factor(), true);
}

void CElementBar2::StoreCell(long row, long col, const std::string& text)
{
    if (Geometry() && m_points.StoreCell(*m_grid, row, col, text, Factor()))
        Geometry()->m_modelChanged = true;
}

void CElementBar2::AfterCommit()
{
    if (Geometry())
        Geometry()->RenderRefPoint();
}

void CElementBar2::OnSelChangeTable()
{
    if (Geometry())
        Geometry()->RenderRefPoint();
}

void CElementBar2::Parallel(int axis)
{
    if (!Geometry())
        return;
    if (m_points.ParallelSelection(axis, *m_grid, Factor()))
        Geometry()->m_modelChanged = true;
    Geometry()->RenderRefPoint();
}

void CElementBar2::ParallelX(int row) { m_points.ParallelRow(1, row, *m_grid, Factor()); }

void CElementBar2::ParallelY(int row) { m_points.ParallelRow(2, row, *m_grid, Factor()); }

void CElementBar2::ParallelZ(int row) { m_points.ParallelRow(3, row, *m_grid, Factor()); }

void CElementBar2::OnParallelX() { Parallel(1); }
void CElementBar2::OnParallelY() { Parallel(2); }
void CElementBar2::OnParallelZ() { Parallel(3); }

void CElementBar2::OnGenerate()
{
    if (!Geometry())
        return;
    int first = 1, last = 0;
    m_points.SelectedRows(first, last);
    for (int row = first; row <= last; ++row)
        m_points.Generate(row);
    if (first <= last)
        Geometry()->m_modelChanged = true;
    UpdateTable();
    Geometry()->RenderRefPoint();
}

bool CElementBar2::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_REF_PARALLEL_X: OnParallelX(); return true;
    case ID_REF_PARALLEL_Y: OnParallelY(); return true;
    case ID_REF_PARALLEL_Z: OnParallelZ(); return true;
    case ID_REF_GENERATE: OnGenerate(); return true;
    default: return false;
    }
}

QMenu* CElementBar2::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("ref", this);
    MenuResource::RemoveCommand(menu, ID_REF_PRINT); // the page's command
    return menu;
}

void CElementBar2::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
