#include "tables/node/NodeBar3.h"

#include "platform/MessageBox.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/node/LoadGennerate.h"
#include "view/Geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <functional>

namespace {

// The case list tells the bar when it is opened, before it shows.
class DropDownList : public QComboBox {
public:
    explicit DropDownList(QWidget* parent) : QComboBox(parent) {}
    std::function<void()> dropdown;
    void showPopup() override
    {
        if (dropdown)
            dropdown();
        QComboBox::showPopup();
    }
};

} // namespace

CNodeBar3::CNodeBar3(QWidget* parent) : DialogBar("Loads ", parent)
{
    auto* list = new DropDownList(this);
    list->setObjectName("12049");
    list->dropdown = [this] { OnDropdown(); };
    m_list = list;
    connect(m_list, QOverload<int>::of(&QComboBox::activated), this, [this](int) { OnCloseup(); });

    auto* group = new QGroupBox("Restraint", this);
    auto* boxes = new QHBoxLayout(group);
    static const char* const kNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    void (CNodeBar3::*const handlers[6])() = {&CNodeBar3::OnFx, &CNodeBar3::OnFy, &CNodeBar3::OnFz,
                                               &CNodeBar3::OnMx, &CNodeBar3::OnMy, &CNodeBar3::OnMz};
    for (int k = 1; k <= 6; ++k) {
        QCheckBox* box = new QCheckBox(kNames[k - 1], group);
        box->setObjectName(QString::number(12013 + k));
        box->setEnabled(false);
        boxes->addWidget(box);
        m_boxes[k - 1] = box;
        connect(box, &QCheckBox::clicked, this, handlers[k - 1]);
    }

    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    m_grid->SetRows(1);
    m_grid->SetCols(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addWidget(group);
    layout->addWidget(m_grid);

    GridEditing::Options options = GridEditing::BarOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.activeTableCode = CGeometry::TableNodes;
    m_editing = new GridEditing(m_grid, this, options, this);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CNodeBar3::~CNodeBar3() = default;

QCheckBox* CNodeBar3::Box(int k) const { return k >= 1 && k <= 6 ? m_boxes[k - 1] : nullptr; }

void CNodeBar3::SetGeometry(CGeometry* geometry)
{
    m_worker.SetGeometry(geometry);
    if (geometry)
        m_editing->SetSelectionTarget(&geometry->m_selNodeFrom, &geometry->m_selNodeTo, &geometry->m_activeTable);
    else
        m_editing->SetSelectionTarget(nullptr, nullptr, nullptr);
}

bool CNodeBar3::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

// ---- the case list -----------------------------------------------------------------

void CNodeBar3::FillCaseList()
{
    const int count = LoadCaseWorker::CaseCount();
    m_list->clear();
    for (int k = 1; k <= count; ++k)
        m_list->addItem(QString::fromStdString(GridEditing::Format("Load case:%d", k)));
    m_list->setCurrentIndex(m_worker.CurrentCase() >= 1 && m_worker.CurrentCase() <= count ? m_worker.CurrentCase() - 1
                                                                                          : -1);
}

void CNodeBar3::OnDropdown()
{
    FillCaseList();
    m_worker.ClearCopy();
}

void CNodeBar3::OnCloseup()
{
    const int position = m_list->currentIndex();
    if (LoadCaseWorker::CaseCount() < 1 || position < 0)
        return;
    m_editing->Commit();
    if (m_worker.Choose(position + 1))
        UpdateTable();
}

// ---- commands ----------------------------------------------------------------------------

void CNodeBar3::UpdateTable()
{
    m_worker.FillGrid(*m_grid, *m_editing);
    if (m_worker.CurrentCase() >= 1)
        m_worker.Redraw();
    UpdateChecks(m_grid->GetRow());
}

void CNodeBar3::Reread()
{
    m_worker.Reread();
    FillCaseList();
    UpdateTable();
}

void CNodeBar3::RefillTable()
{
    // Scrolling shows other rows of the same loads: the table is filled
    // again around the new position, the glyphs stay as they are.
    m_worker.FillGrid(*m_grid, *m_editing);
}

void CNodeBar3::UpdateChecks(long row)
{
    const int dof = LoadCaseWorker::Dof();
    for (int k = 1; k <= 6; ++k) {
        const bool restrained = Geometry() && k <= dof && row >= 1 && row <= m_worker.NodeCount() &&
                                Geometry()->m_nodeTable.GetAt(static_cast<int>(row), 3 + k) == 0.0;
        m_boxes[k - 1]->setChecked(restrained);
    }
}

void CNodeBar3::OnAdd()
{
    m_editing->Commit();
    m_worker.AddCase();
}

void CNodeBar3::OnDelete()
{
    const int position = m_list->currentIndex();
    if (position < 0)
        return;
    m_editing->Commit();
    // The whole case goes with its loads: ask first.
    if (platform::MessageBox(GridEditing::Format("Delete load case %d and its loads?", position + 1), "KESTRA",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
        return;
    if (!m_worker.DeleteCase(position + 1))
        return;
    // The list shows the cases as they are now.
    FillCaseList();
    UpdateTable();
    if (m_worker.CurrentCase() < 1)
        m_worker.Redraw(); // the glyphs of the deleted case go
}

void CNodeBar3::OnCopy()
{
    m_editing->Commit();
    m_worker.Copy();
}

void CNodeBar3::OnPaste()
{
    m_editing->Commit();
    if (m_worker.Paste() > 0)
        UpdateTable();
}

void CNodeBar3::LoadGennerate()
{
    m_editing->Commit();
    CLoadGennerate dialog(this);
    LoadCaseWorker::LoadGeneration seed;
    if (Geometry())
        seed.start = Geometry()->m_selNodeFrom;
    dialog.Seed(seed);
    if (dialog.DoModal() != platform::IDOK)
        return;
    GenerateLoads(dialog.Parameters());
}

void CNodeBar3::GenerateLoads(const LoadCaseWorker::LoadGeneration& generation)
{
    if (m_worker.CurrentCase() < 1)
        return;
    m_worker.Generate(generation);
    UpdateTable();
}

void CNodeBar3::OnPrint()
{
    m_editing->Commit();
    m_worker.Print();
}

bool CNodeBar3::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_LOAD_ADD: OnAdd(); return true;
    case ID_LOAD_DELETE: OnDelete(); return true;
    case ID_LOAD_COPY: OnCopy(); return true;
    case ID_LOAD_PASTE: OnPaste(); return true;
    case ID_LOAD_GENERATE: LoadGennerate(); return true;
    case ID_LOAD_PRINT: OnPrint(); return true;
    default: return false; // the restraint items only show the node's supports
    }
}

QMenu* CNodeBar3::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("load", this);
    MenuResource::EnableCommand(menu, ID_LOAD_PASTE, m_worker.HasCopy());
    const CGeometry* geometry = Geometry();
    const bool single = geometry && geometry->m_selNodeFrom == geometry->m_selNodeTo &&
                        geometry->m_selNodeFrom >= 1 && geometry->m_selNodeFrom <= m_worker.NodeCount();
    const int dof = LoadCaseWorker::Dof();
    for (int k = 1; k <= 6; ++k) {
        const int id = ID_DOF_LOCK_FX + k - 1;
        if (single && k <= dof) {
            MenuResource::EnableCommand(menu, id, true);
            MenuResource::CheckCommand(menu, id, !m_worker.IsFree(geometry->m_selNodeFrom, k));
        } else {
            MenuResource::EnableCommand(menu, id, false);
        }
    }
    return menu;
}

void CNodeBar3::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}

// ---- grid ------------------------------------------------------------------------------

int CNodeBar3::TableRowCount() const { return m_worker.CurrentCase() >= 1 ? m_worker.NodeCount() : 0; }

void CNodeBar3::StoreCell(long row, long col, const std::string& text)
{
    if (row < 1 || row > TableRowCount() || col < 1 || col > LoadCaseWorker::Dof())
        return;
    const double typed = GridEditing::ParseNumber(text);
    if (m_worker.StoreLoad(static_cast<int>(row), static_cast<int>(col), typed))
        m_grid->SetTextMatrix(row, col, GridEditing::Format("        %.3f", typed));
}

void CNodeBar3::MousePressed(short)
{
    if (CGeometry* geometry = Geometry())
        geometry->m_selNodeTo = geometry->m_selNodeFrom;
    UpdateChecks(m_grid->GetRowSel());
}
