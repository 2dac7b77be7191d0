#include "tables/element/ElementPage3.h"

#include "project/Project.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"
#include "view/Geometry.h"

#include <QMenu>

CElementPage3::CElementPage3(QWidget* parent) : PropertyPage("Properties", parent)
{
    setObjectName("12028");
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter;
    options.activeTableCode = CGeometry::TableProperties;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CElementPage3::~CElementPage3() = default;

void CElementPage3::SetGeometry(CGeometry* geometry)
{
    m_geometry = geometry;
    // A press in this table only marks it active; the member range is the
    // connectivity tables'.
    m_editing->SetSelectionTarget(nullptr, nullptr, geometry ? &geometry->m_activeTable : nullptr);
}

bool CElementPage3::OnSetActive()
{
    m_properties.Load();
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

bool CElementPage3::OnKillActive()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
    m_properties.Save();
    return true;
}

void CElementPage3::UpdateTable()
{
    if (!m_geometry)
        return;
    const long rows = CProject().GetMaterialCount() + 1;
    m_properties.FillGrid(*m_grid, *m_editing, m_geometry, rows, "%.3f", false);
}

void CElementPage3::StoreCell(long row, long col, const std::string& text)
{
    if (m_geometry && m_properties.StoreCell(*m_grid, m_geometry, row, col, text, "%.4g"))
        m_geometry->m_modelChanged = true;
}

void CElementPage3::RowsChanged()
{
    m_properties.WriteCount();
    if (m_geometry)
        m_geometry->m_modelChanged = true;
    UpdateTable();
}

void CElementPage3::OnAddNew()
{
    if (!m_geometry)
        return;
    m_editing->Commit();
    m_properties.AddNew(m_geometry, 0.0);
    RowsChanged();
}

void CElementPage3::OnDelete()
{
    m_editing->Commit();
    if (m_properties.Delete(static_cast<int>(m_grid->GetRow())))
        RowsChanged();
}

void CElementPage3::OnPrint()
{
    m_editing->Commit();
    m_properties.Print();
}

bool CElementPage3::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_SEC_COPY: OnCopy(); return true;
    case ID_SEC_PASTE: OnPaste(); return true;
    case ID_SEC_DELETE: OnDelete(); return true;
    case ID_SEC_ADDNEW: OnAddNew(); return true;
    case ID_SEC_PRINT: OnPrint(); return true;
    default: return false;
    }
}

QMenu* CElementPage3::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("SEC", this);
    MenuResource::RemoveCommand(menu, ID_SEC_IMPORT); // the bar's command
    return menu;
}

void CElementPage3::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
