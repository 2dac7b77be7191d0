#include "tables/node/NodeBar1.h"

#include "platform/FileDialog.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/PropertySheet.h"
#include "tables/node/LinearJointGenerate.h"
#include "tables/node/NodePage1.h"
#include "tables/node/NodePage2.h"
#include "tables/node/OffsetCommand.h"
#include "view/Geometry.h"

#include <QMenu>
#include <QVBoxLayout>

CNodeBar1::CNodeBar1(QWidget* parent) : DialogBar("Coordinate", parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);

    GridEditing::Options options = GridEditing::BarOptions();
    options.routedKeys =
        GridEditing::RouteUpDown | GridEditing::RouteRight | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = GridEditing::AppendAfterCommit;
    options.activeTableCode = CGeometry::TableNodes;
    m_editing = new GridEditing(m_grid, this, options, this);
    connect(m_grid, &CMSFlexGrid::SelChange, this, [this] { ShowSelection(); });
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CNodeBar1::~CNodeBar1() = default;

void CNodeBar1::SetGeometry(CGeometry* geometry) { m_worker.SetGeometry(geometry, *m_editing); }

bool CNodeBar1::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

// ---- grid -------------------------------------------------------------------

void CNodeBar1::UpdateTable()
{
    if (Geometry())
        m_worker.FillCoordinateGrid(*m_grid, *m_editing);
}

void CNodeBar1::ShowRows(int first, int last) { m_worker.ShowCoordinateRows(*m_grid, *m_editing, first, last); }

void CNodeBar1::ShowSelection()
{
    if (CGeometry* geometry = Geometry())
        geometry->OnSelSelectNode();
}

int CNodeBar1::TableRowCount() const { return m_worker.NodeCount(); }

void CNodeBar1::StoreCell(long row, long col, const std::string& text)
{
    m_worker.StoreCoordinateCell(*m_grid, row, col, text);
}

void CNodeBar1::AfterCommit()
{
    if (CGeometry* geometry = Geometry()) {
        geometry->RenderNode();
        geometry->RenderMember();
    }
}

// ---- commands ----------------------------------------------------------------

void CNodeBar1::OnCopy() { m_worker.Copy(); }

void CNodeBar1::OnPaste()
{
    OffsetCommand::AskForPaste(this, m_worker.HasCopy(),
                               [this](double dx, double dy, double dz) { PasteWithOffset(dx, dy, dz); });
}

bool CNodeBar1::PasteWithOffset(double dx, double dy, double dz)
{
    if (!m_worker.Paste(dx, dy, dz))
        return false;
    UpdateTable();
    return true;
}

void CNodeBar1::OnMove()
{
    OffsetCommand::AskForMove(this, m_worker, [this](double dx, double dy, double dz) { MoveWithOffset(dx, dy, dz); });
}

bool CNodeBar1::MoveWithOffset(double dx, double dy, double dz)
{
    if (!m_worker.Move(dx, dy, dz))
        return false;
    const NodeTableWorker::Range range = m_worker.SelectedRows();
    ShowRows(range.first, range.last);
    Geometry()->RenderMember();
    ShowSelection();
    return true;
}

void CNodeBar1::OnDelete()
{
    m_editing->Commit();
    if (!m_worker.Delete())
        return;
    Geometry()->RenderMember();
    ShowSelection();
    UpdateTable();
}

void CNodeBar1::OnSort()
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    const int before = m_worker.NodeCount();
    geometry->ReNumberNode(); // asks before removing
    if (m_worker.NodeCount() != before) {
        geometry->m_geometryChanged = true;
        geometry->m_modelChanged = true;
    }
    ShowSelection();
    UpdateTable();
}

void CNodeBar1::ReNumber(bool removeUnconnected)
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    const int before = m_worker.NodeCount();
    geometry->ReNumberNode(removeUnconnected);
    if (m_worker.NodeCount() != before) {
        geometry->m_geometryChanged = true;
        geometry->m_modelChanged = true;
    }
    ShowSelection();
    UpdateTable();
}

void CNodeBar1::OnAddNew()
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    m_worker.AddNew();
    const int count = m_worker.NodeCount();
    m_grid->SetRows(count + 1);
    m_worker.ShowCoordinateRow(*m_grid, count, geometry->GetLengthFactor());
}

void CNodeBar1::OnLinearGenNode()
{
    if (!Geometry())
        return;
    CLinearJointGenerate dialog(this);
    dialog.Seed(m_worker.LinearDefaults(static_cast<int>(m_grid->GetRow())));
    if (dialog.DoModal() == 1)
        GenerateLinear(dialog.Parameters());
}

int CNodeBar1::GenerateLinear(const NodeTableWorker::LinearGeneration& generation)
{
    const int added = m_worker.Generate(generation);
    if (added > 0)
        UpdateTable();
    return added;
}

std::unique_ptr<PropertySheet> CNodeBar1::CreatePropertiesSheet()
{
    auto sheet = std::make_unique<PropertySheet>("Node Properties", this);
    auto* coordinates = new CNodePage1;
    coordinates->SetGeometry(Geometry());
    auto* restraints = new CNodePage2;
    restraints->SetGeometry(Geometry());
    sheet->AddPage(coordinates);
    sheet->AddPage(restraints);
    return sheet;
}

void CNodeBar1::OnProperties()
{
    if (!Geometry())
        return;
    m_editing->Commit();
    std::unique_ptr<PropertySheet> sheet = CreatePropertiesSheet();
    sheet->DoModal();
    sheet.reset();
    UpdateTable();
}

void CNodeBar1::OnPrint() { m_worker.PrintCoordinates(); }

void CNodeBar1::OnImport()
{
    std::string path;
    if (platform::FileDialog::GetOpenFileName("Node File (*.nod)|*.nod||", path))
        ImportFile(path);
}

bool CNodeBar1::ImportFile(const std::string& path)
{
    if (!m_worker.Import(path))
        return false;
    UpdateTable();
    return true;
}

bool CNodeBar1::OnCommand(int commandId)
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
    case ID_NODE_PROPERTIES: OnProperties(); return true;
    case ID_NODE_PRINT: OnPrint(); return true;
    case ID_NODE_IMPORT: OnImport(); return true;
    default: return false;
    }
}

// ---- context menu ---------------------------------------------------------------

QMenu* CNodeBar1::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("node", this);
    m_worker.PrepareNodeMenu(menu, m_grid->GetRows() > 1);
    return menu;
}

void CNodeBar1::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
