#include "tables/element/ElementBar3.h"

#include "platform/FileDialog.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"
#include "view/Geometry.h"

#include <QMenu>

CElementBar3::CElementBar3(QWidget* parent) : DialogBar("Properties", parent)
{
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::BarOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter;
    options.append = GridEditing::AppendOnDown;
    options.activeTableCode = CGeometry::TableProperties;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CElementBar3::~CElementBar3() = default;

void CElementBar3::SetGeometry(CGeometry* geometry)
{
    m_geometry = geometry;
    // A press in this table marks it active but leaves the member range
    // alone; Up and Down move the range with the cursor (SelectionChanged).
    m_editing->SetSelectionTarget(nullptr, nullptr, geometry ? &geometry->m_activeTable : nullptr);
}

void CElementBar3::SelectionChanged()
{
    const int key = m_editing->LastKey();
    if (!m_geometry || (key != 38 && key != 40))
        return;
    // Called before the key moves the grid's cursor.
    const int row = static_cast<int>(m_grid->GetRow()) + (key == 38 ? -1 : 1);
    m_geometry->m_selMemberFrom = row;
    m_geometry->m_selMemberTo = row;
}

bool CElementBar3::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

void CElementBar3::UpdateTable()
{
    if (!m_geometry)
        return;
    // A file that exists but cannot be read has been reported; the bar
    // shows no groups and writes nothing over it.
    if (!m_properties.LoadIfPresent() && m_properties.Unreadable()) {
        FillGrid();
        return;
    }
    if (m_properties.Rows() == 0) {
        OnAddNew();
        return;
    }
    FillGrid();
}

void CElementBar3::FillGrid()
{
    if (m_geometry)
        m_properties.FillGrid(*m_grid, *m_editing, m_geometry, m_properties.Rows() + 2, "%g", true);
}

void CElementBar3::StoreCell(long row, long col, const std::string& text)
{
    if (!m_geometry)
        return;
    Reload();
    if (m_properties.StoreCell(*m_grid, m_geometry, row, col, text, "%g")) {
        m_properties.Save();
        m_geometry->m_modelChanged = true;
    }
}

void CElementBar3::Reload()
{
    PropertyTable fresh;
    if (fresh.LoadIfPresent())
        m_properties = fresh;
    else if (fresh.Unreadable())
        m_properties = fresh; // keeps the file from being written over
}

void CElementBar3::RowsChanged()
{
    m_properties.Save();
    m_properties.WriteCount();
    m_geometry->m_modelChanged = true;
    FillGrid();
}

void CElementBar3::OnAddNew()
{
    if (!m_geometry)
        return;
    Reload();
    m_properties.AddNew(m_geometry, 1.0);
    RowsChanged();
}

void CElementBar3::OnDelete()
{
    m_editing->Commit();
    if (!m_geometry)
        return;
    Reload();
    if (m_properties.Delete(static_cast<int>(m_grid->GetRow())))
        RowsChanged();
}

void CElementBar3::OnImport()
{
    std::string path;
    if (platform::FileDialog::GetOpenFileName("Property File (*.pro)|*.pro||", path))
        ImportFile(path);
}

bool CElementBar3::ImportFile(const std::string& path)
{
    if (!m_geometry)
        return false;
    Reload();
    if (!m_properties.Import(path))
        return false;
    RowsChanged();
    return true;
}

bool CElementBar3::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_SEC_COPY: OnCopy(); return true;
    case ID_SEC_PASTE: OnPaste(); return true;
    case ID_SEC_DELETE: OnDelete(); return true;
    case ID_SEC_ADDNEW: OnAddNew(); return true;
    case ID_SEC_IMPORT: OnImport(); return true;
    default: return false;
    }
}

QMenu* CElementBar3::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("SEC", this);
    MenuResource::RemoveCommand(menu, ID_SEC_PRINT); // the page's command
    return menu;
}

void CElementBar3::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
