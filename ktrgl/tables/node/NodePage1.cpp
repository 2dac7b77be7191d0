#include "tables/node/NodePage1.h"

#include "platform/FileDialog.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/node/LinearJointGenerate.h"
#include "tables/node/OffsetCommand.h"
#include "view/Geometry.h"

#include <QMenu>
#include <QVBoxLayout>

CNodePage1::CNodePage1(QWidget* parent) : PropertyPage("Coordinate", parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);

    GridEditing::Options options = GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = GridEditing::AppendAfterCommit;
    options.activeTableCode = CGeometry::TableNodes;
    m_editing = new GridEditing(m_grid, this, options, this);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CNodePage1::~CNodePage1() = default;

void CNodePage1::SetGeometry(CGeometry* geometry) { m_worker.SetGeometry(geometry, *m_editing); }

bool CNodePage1::OnSetActive()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

bool CNodePage1::OnKillActive()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
    if (CGeometry* geometry = Geometry())
        geometry->UpdateNode();
    return true;
}

// ---- grid -------------------------------------------------------------------

void CNodePage1::UpdateTable()
{
    if (Geometry())
        m_worker.FillCoordinateGrid(*m_grid, *m_editing);
}

void CNodePage1::ShowRows(int first, int last) { m_worker.ShowCoordinateRows(*m_grid, *m_editing, first, last); }

int CNodePage1::TableRowCount() const { return m_worker.NodeCount(); }

void CNodePage1::StoreCell(long row, long col, const std::string& text)
{
    m_worker.StoreCoordinateCell(*m_grid, row, col, text);
}

void CNodePage1::AfterCommit()
{
    if (CGeometry* geometry = Geometry())
        geometry->RenderNode();
}

// ---- commands ----------------------------------------------------------------

void CNodePage1::OnCopy() { m_worker.Copy(); }

void CNodePage1::OnPaste()
{
    OffsetCommand::AskForPaste(this, m_worker.HasCopy(),
                               [this](double dx, double dy, double dz) { PasteWithOffset(dx, dy, dz); });
}

bool CNodePage1::PasteWithOffset(double dx, double dy, double dz)
{
    if (!m_worker.Paste(dx, dy, dz))
        return false;
    UpdateTable();
    return true;
}

void CNodePage1::OnMove()
{
    OffsetCommand::AskForMove(this, m_worker, [this](double dx, double dy, double dz) { MoveWithOffset(dx, dy, dz); });
}

bool CNodePage1::MoveWithOffset(double dx, double dy, double dz)
{
    if (!m_worker.Move(dx, dy, dz))
        return false;
    const NodeTableWorker::Range range = m_worker.SelectedRows();
    ShowRows(range.first, range.last);
    return true;
}

void CNodePage1::OnDelete()
{
    m_editing->Commit();
    if (m_worker.Delete())
        UpdateTable();
}

void CNodePage1::OnSort()
{
    m_worker.RemoveUnconnected();
    UpdateTable();
}

void CNodePage1::OnAddNew()
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    m_worker.AddNew();
    geometry->m_geometryChanged = true;
    geometry->m_modelChanged = true;
    const int count = m_worker.NodeCount();
    m_grid->SetRows(count + 1);
    m_worker.ShowCoordinateRow(*m_grid, count, geometry->GetLengthFactor());
}

void CNodePage1::OnLinearGenNode()
{
    if (!Geometry())
        return;
    CLinearJointGenerate dialog(this);
    dialog.Seed(m_worker.LinearDefaults(static_cast<int>(m_grid->GetRow())));
    if (dialog.DoModal() == 1)
        GenerateLinear(dialog.Parameters());
}

int CNodePage1::GenerateLinear(const NodeTableWorker::LinearGeneration& generation)
{
    const int added = m_worker.Generate(generation);
    if (added > 0)
        UpdateTable();
    return added;
}

void CNodePage1::OnPrint() { m_worker.PrintCoordinates(); }

void CNodePage1::OnImport()
{
    std::string path;
    if (platform::FileDialog::GetOpenFileName("Node File (*.nod)|*.nod||", path))
        ImportFile(path);
}

bool CNodePage1::ImportFile(const std::string& path)
{
    if (!m_worker.Import(path))
        return false;
    UpdateTable();
    return true;
}

bool CNodePage1::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_NODE_COPY: OnCopy(); return true;
    case ID_NODE_PASTE: OnPaste(); return true;
    case ID_NODE_DELETE: OnDelete(); return true;
    case ID_NODE_RENUMBER: OnSort(); return true;
    case ID_NODE_MOVE: OnMove(); return true;
    case ID_NODE_ADDNEW: OnAddNew(); return true;
    case ID_NODE_GENERATE_LINEAR: OnLinearGenNode(); return true;
    case ID_NODE_REFRESH: UpdateTable(); return true;
    case ID_NODE_PRINT: OnPrint(); return true;
    case ID_NODE_IMPORT: OnImport(); return true;
    default: return false;
    }
}

// ---- context menu ---------------------------------------------------------------

QMenu* CNodePage1::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("node", this);
    MenuResource::RemoveCommand(menu, ID_NODE_PROPERTIES); // the bar's command
    m_worker.PrepareNodeMenu(menu, m_grid->GetRows() > 1);
    return menu;
}

void CNodePage1::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
