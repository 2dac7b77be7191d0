#include "tables/node/NodeBar2.h"

#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "view/Geometry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

CNodeBar2::CNodeBar2(QWidget* parent) : DialogBar("Restraint ", parent)
{
    auto* group = new QGroupBox("Restraint", this);
    auto* boxes = new QHBoxLayout(group);
    static const char* const kNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    for (int k = 1; k <= 6; ++k) {
        QCheckBox* box = new QCheckBox(kNames[k - 1], group);
        box->setObjectName(QString::number(12013 + k));
        boxes->addWidget(box);
        m_boxes[k - 1] = box;
        connect(box, &QCheckBox::clicked, this, [this, k] { Restrain(ID_DOF_LOCK_FX + k - 1); });
    }
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(group);
    layout->addWidget(m_grid);
    // What the columns and codes mean, under the grid.
    m_legend = new QLabel(this);
    m_legend->setObjectName("restraintLegend");
    m_legend->setWordWrap(true);
    layout->addWidget(m_legend);

    GridEditing::Options options = GridEditing::BarOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter;
    options.activeTableCode = CGeometry::TableNodes;
    m_editing = new GridEditing(m_grid, this, options, this);
    connect(m_grid, &CMSFlexGrid::SelChange, this, [this] { UpdateChecks(); });
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CNodeBar2::~CNodeBar2() = default;

QCheckBox* CNodeBar2::Box(int k) const { return k >= 1 && k <= 6 ? m_boxes[k - 1] : nullptr; }

void CNodeBar2::SetGeometry(CGeometry* geometry) { m_worker.SetGeometry(geometry, *m_editing); }

bool CNodeBar2::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

void CNodeBar2::UpdateTable()
{
    if (!Geometry())
        return;
    m_worker.FillRestraintGrid(*m_grid, *m_editing);
    m_legend->setText(QString::fromStdString(NodeTableWorker::RestraintLegend(NodeTableWorker::RestraintColumns())));
    ShowSupports();
}

void CNodeBar2::UpdateChecks()
{
    const bool frame = NodeTableWorker::IsFrame();
    const long row = m_grid->GetRow();
    const bool inTable = Geometry() && row >= 1 && row <= TableRowCount();
    for (int k = 1; k <= 6; ++k) {
        const bool shown = k <= 3 || frame;
        m_boxes[k - 1]->setEnabled(shown);
        const bool restrained = shown && inTable && 3 + k <= Geometry()->m_nodeTable.GetCols() &&
                                Geometry()->m_nodeTable(static_cast<int>(row), 3 + k) == NodeTableWorker::kRestrained;
        m_boxes[k - 1]->setChecked(restrained);
    }
}

void CNodeBar2::ShowSupports()
{
    UpdateChecks();
    if (CGeometry* geometry = Geometry())
        geometry->RenderSupport();
}

int CNodeBar2::TableRowCount() const { return m_worker.NodeCount(); }

void CNodeBar2::StoreCell(long row, long col, const std::string& text)
{
    m_worker.StoreCodeCell(*m_grid, row, col, text);
}

void CNodeBar2::SelectionChanged()
{
    if (CGeometry* geometry = Geometry())
        geometry->OnSelSelectNode();
}

void CNodeBar2::MousePressed(short) { ShowSupports(); }

// ---- commands ----------------------------------------------------------------

void CNodeBar2::Restrain(int commandId)
{
    if (!Geometry())
        return;
    m_editing->Commit();
    m_worker.Restrain(commandId, m_grid);
    ShowSupports();
}

void CNodeBar2::PlanXY() { Restrain(ID_DOF_PLAN_XY); }
void CNodeBar2::PlanYZ() { Restrain(ID_DOF_PLAN_YZ); }
void CNodeBar2::PlanXZ() { Restrain(ID_DOF_PLAN_XZ); }
void CNodeBar2::Pinned() { Restrain(ID_DOF_PINNED); }
void CNodeBar2::Fixed() { Restrain(ID_DOF_FIXED); }
void CNodeBar2::Free() { Restrain(ID_DOF_FREE); }
void CNodeBar2::LockFx() { Restrain(ID_DOF_LOCK_FX); }
void CNodeBar2::LockFy() { Restrain(ID_DOF_LOCK_FY); }
void CNodeBar2::LockFz() { Restrain(ID_DOF_LOCK_FZ); }
void CNodeBar2::LockMx() { Restrain(ID_DOF_LOCK_MX); }
void CNodeBar2::LockMy() { Restrain(ID_DOF_LOCK_MY); }
void CNodeBar2::LockMz() { Restrain(ID_DOF_LOCK_MZ); }

bool CNodeBar2::OnCommand(int commandId)
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
    default: return false;
    }
}

QMenu* CNodeBar2::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("DOF", this);
    MenuResource::RemoveCommand(menu, ID_DOF_PRINT); // the page prints, the bar does not
    m_worker.PrepareDofMenu(menu);
    return menu;
}

void CNodeBar2::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
