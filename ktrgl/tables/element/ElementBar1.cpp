#include "tables/element/ElementBar1.h"

#include "platform/FileDialog.h"
#include "project/Project.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/PropertySheet.h"
#include "tables/element/ElementAssign.h"
#include "tables/element/ElementGen1.h"
#include "tables/element/ElementPage6.h"
#include "tables/element/ElementPage8.h"
#include "tables/element/TableGrid.h"
#include "tables/node/OffsetCommand.h"
#include "view/Geometry.h"

#include <QMenu>

CElementBar1::CElementBar1(QWidget* parent) : DialogBar("Connextivity", parent)
{
    m_grid = TableGrid::Create(this, 4);

    GridEditing::Options options = GridEditing::BarOptions();
    options.orderDraggedRange = true;
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteRight | GridEditing::RouteEnter |
                         GridEditing::RouteDelete;
    options.append = GridEditing::AppendOnDown;
    // An empty editor is no commit: it stays open, nothing stored.
    options.emptyText = GridEditing::IgnoreEmpty;
    options.activeTableCode = CGeometry::TableConnectivity;
    options.selectAllColumn = 3;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CElementBar1::~CElementBar1() = default;

void CElementBar1::SetGeometry(CGeometry* geometry)
{
    m_worker.SetGeometry(geometry);
    if (geometry)
        m_editing->SetSelectionTarget(&geometry->m_selMemberFrom, &geometry->m_selMemberTo, &geometry->m_activeTable);
}

bool CElementBar1::OnInitDialog()
{
    m_editing->CreateEditor(this);
    UpdateTable();
    return true;
}

void CElementBar1::UpdateTable()
{
    if (Geometry())
        m_worker.FillGrid(*m_grid, *m_editing, true);
}

// ---- cells ---------------------------------------------------------------------

bool CElementBar1::EditorText(int lastKey, const std::string& cellText, std::string& text) const
{
    if ((lastKey >= '0' && lastKey <= '9') || lastKey == '.')
        text = std::string(1, static_cast<char>(lastKey));
    else if (lastKey == 1 || lastKey == 13)
        text = cellText;
    else
        text.clear();
    return true;
}

void CElementBar1::StoreCell(long, long, const std::string& text) { CheckIn(text); }

void CElementBar1::CheckIn(const std::string& text)
{
    CGeometry* geometry = Geometry();
    const long row = m_grid->GetRow();
    const int column = MemberTableWorker::MemberColumnOf(m_grid->GetCol(), true);
    if (!geometry || row < 1 || row > TableRowCount() || column < 1)
        return;
    const long value = m_worker.CheckIn(static_cast<int>(row), column, GridEditing::ParseInteger(text));
    m_grid->SetTextMatrix(row, m_grid->GetCol(), GridEditing::Format("         %ld", value));
    geometry->m_modelChanged = true;
    m_stored = true;
}

void CElementBar1::AfterCommit()
{
    if (!m_stored || !Geometry())
        return;
    m_stored = false;
    Geometry()->RenderMember();
    Geometry()->UpdateProperty();
}

void CElementBar1::SelectionChanged()
{
    if (CGeometry* geometry = Geometry())
        geometry->OnSelSelectMember();
}

// ---- commands ------------------------------------------------------------------

void CElementBar1::OnCopy() { m_worker.Copy(); }

void CElementBar1::OnPaste()
{
    OffsetCommand::AskForPaste(this, m_worker.HasClipboard(),
                               [this](double dx, double dy, double dz) { PasteWithOffset(dx, dy, dz); });
}

bool CElementBar1::PasteWithOffset(double dx, double dy, double dz)
{
    if (m_worker.Paste(dx, dy, dz) == 0)
        return false;
    Geometry()->m_modelChanged = true;
    Geometry()->UpdateNode();
    Geometry()->UpdateMember();
    UpdateTable();
    return true;
}

void CElementBar1::OnMove()
{
    OffsetCommand::AskForMove(this, m_worker, [this](double dx, double dy, double dz) { MoveWithOffset(dx, dy, dz); });
}

bool CElementBar1::MoveWithOffset(double dx, double dy, double dz)
{
    if (m_worker.Move(dx, dy, dz) == 0)
        return false;
    Geometry()->m_geometryChanged = true;
    Geometry()->UpdateNode();
    Geometry()->UpdateMember();
    return true;
}

void CElementBar1::OnDelete()
{
    m_editing->Commit();
    if (!m_worker.Delete())
        return;
    CGeometry* geometry = Geometry();
    geometry->m_modelChanged = true;
    geometry->UpdateNode();
    geometry->UpdateMember();
    geometry->OnSelSelectMember();
    UpdateTable();
}

void CElementBar1::OnAddNew()
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    m_worker.AddNew(1.0);
    geometry->m_modelChanged = true;
    const int count = m_worker.MemberCount();
    // One empty row below the new member.
    m_grid->SetRows(count + 2);
    m_worker.ShowRow(*m_grid, count, true);
    geometry->UpdateNode();
    geometry->UpdateMember();
}

void CElementBar1::OnReNumber()
{
    CGeometry* geometry = Geometry();
    if (!geometry)
        return;
    m_editing->Commit();
    const CdMatrix nodes = geometry->m_nodeTable;
    const CdMatrix members = geometry->m_memberTable;
    m_worker.RemoveZeroLength();
    geometry->ReNumberMember();
    if (!(nodes == geometry->m_nodeTable) || !(members == geometry->m_memberTable))
        geometry->m_modelChanged = true;
    UpdateTable();
}

// ---- assignment ------------------------------------------------------------------

void CElementBar1::OnProperties()
{
    CElementAssign dialog("Properties", CProject().GetMaterialCount(), this);
    if (dialog.DoModal() == 1)
        AssignProperty(dialog.Group());
}

bool CElementBar1::AssignProperty(int group)
{
    if (!m_worker.Assign(MemberTableWorker::ColProperty, group))
        return false;
    Geometry()->m_modelChanged = true;
    Geometry()->UpdateProperty();
    UpdateTable();
    return true;
}

void CElementBar1::OnMemberRelease()
{
    CElementAssign dialog("Release", CProject().GetReleaseCount(), this);
    if (dialog.DoModal() == 1)
        AssignRelease(dialog.Group());
}

bool CElementBar1::AssignRelease(int set)
{
    if (!m_worker.Assign(MemberTableWorker::ColRelease, set))
        return false;
    Geometry()->m_modelChanged = true;
    UpdateTable();
    return true;
}

// ---- generation -------------------------------------------------------------------

void CElementBar1::OnGenerate()
{
    if (!Geometry())
        return;
    PropertySheet sheet("Element Gennerate", this);
    auto* page = new CElementGen1;
    page->m_geometry = Geometry();
    sheet.AddPage(page);
    if (sheet.DoModal() == PropertySheet::IdOk)
        GenerateMembers(page->Parameters());
}

int CElementBar1::GenerateMembers(const MemberTableWorker::Generation& generation)
{
    const int added = m_worker.Generate(generation);
    if (added > 0) {
        Geometry()->m_modelChanged = true;
        OnReNumber();
    }
    return added;
}

// ---- mirror and rotate --------------------------------------------------------------

void CElementBar1::OnMirror()
{
    if (!Geometry())
        return;
    PropertySheet sheet("Mirror", this);
    auto* page = new CElementPage6;
    sheet.AddPage(page);
    if (sheet.DoModal() == PropertySheet::IdOk)
        Mirror(page->m_plane, page->m_distance, page->m_mode);
}

void CElementBar1::Mirror(int plane, double distance, int mode)
{
    if (!Geometry())
        return;
    switch (plane) {
    case CElementPage6::PlaneXZ: OnMirrorAlongY(distance, mode); break;
    case CElementPage6::PlaneXY: OnMirrorAlongZ(distance, mode); break;
    default: OnMirrorAlongX(distance, mode); break;
    }
    AfterTransform();
}

void CElementBar1::AfterTransform()
{
    CGeometry* geometry = Geometry();
    geometry->m_geometryChanged = true;
    geometry->UpdateNode();
    geometry->UpdateMember();
    geometry->RenderSupport();
}

void CElementBar1::OnMirrorAlongX(double distance, int mode)
{
    m_worker.Mirror(MemberTableWorker::AxisX, distance, static_cast<MemberTableWorker::Mode>(mode));
    OnReNumber();
}

void CElementBar1::OnMirrorAlongY(double distance, int mode)
{
    m_worker.Mirror(MemberTableWorker::AxisY, distance, static_cast<MemberTableWorker::Mode>(mode));
    OnReNumber();
}

void CElementBar1::OnMirrorAlongZ(double distance, int mode)
{
    m_worker.Mirror(MemberTableWorker::AxisZ, distance, static_cast<MemberTableWorker::Mode>(mode));
    OnReNumber();
}

void CElementBar1::OnRotate()
{
    if (!Geometry())
        return;
    PropertySheet sheet("Rotation", this);
    auto* page = new CElementPage8;
    sheet.AddPage(page);
    if (sheet.DoModal() == PropertySheet::IdOk)
        Rotate(page->m_axis, page->m_x, page->m_y, page->m_z, page->m_angle, page->m_mode);
}

void CElementBar1::Rotate(int axis, double x, double y, double z, double degrees, int mode)
{
    if (!Geometry())
        return;
    const CdVector point(3, x, y, z);
    const double theta = degrees * MemberTableWorker::kPi / 180;
    switch (axis) {
    case 1: OnRotateAboutX(point, theta, mode); break;
    case 3: OnRotateAboutZ(point, theta, mode); break;
    default: OnRotateAboutY(point, theta, mode); break;
    }
    AfterTransform();
}

void CElementBar1::Rotate(MemberTableWorker::Axis axis, const CdVector& point, double theta, int mode)
{
    const double k[4] = {0.0, point(1), point(2), point(3)};
    m_worker.Rotate(axis, k, theta, static_cast<MemberTableWorker::Mode>(mode));
    OnReNumber();
}

void CElementBar1::OnRotateAboutX(CdVector point, double theta, int mode)
{
    Rotate(MemberTableWorker::AxisX, point, theta, mode);
}

void CElementBar1::OnRotateAboutY(CdVector point, double theta, int mode)
{
    Rotate(MemberTableWorker::AxisY, point, theta, mode);
}

void CElementBar1::OnRotateAboutZ(CdVector point, double theta, int mode)
{
    Rotate(MemberTableWorker::AxisZ, point, theta, mode);
}

// ---- import ----------------------------------------------------------------------

void CElementBar1::OnImport()
{
    std::string path;
    if (platform::FileDialog::GetOpenFileName("Member File (*.ele)|*.ele||", path))
        ImportFile(path);
}

bool CElementBar1::ImportFile(const std::string& path)
{
    if (!m_worker.Import(path))
        return false;
    CGeometry* geometry = Geometry();
    geometry->UpdateMember();
    CProject project;
    project.GetElementCount() = m_worker.MemberCount();
    project.Settings(true);
    geometry->m_geometryChanged = true;
    geometry->m_modelChanged = true;
    UpdateTable();
    return true;
}

// ---- menu ------------------------------------------------------------------------

bool CElementBar1::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_ELEMENT_COPY: OnCopy(); return true;
    case ID_ELEMENT_PASTE: OnPaste(); return true;
    case ID_ELEMENT_DELETE: OnDelete(); return true;
    case ID_ELEMENT_ADDNEW: OnAddNew(); return true;
    case ID_ELEMENT_RENUMBER: OnReNumber(); return true;
    case ID_ELEMENT_REFRESH: UpdateTable(); return true;
    case ID_ELEMENT_MOVE: OnMove(); return true;
    case ID_ELEMENT_PROPERTIES: OnProperties(); return true;
    case ID_ELEMENT_GENERATE: OnGenerate(); return true;
    case ID_ELEMENT_MIRROR: OnMirror(); return true;
    case ID_ELEMENT_RELEASE: OnMemberRelease(); return true;
    case ID_ELEMENT_ROTATE: OnRotate(); return true;
    case ID_ELEMENT_IMPORT: OnImport(); return true;
    default: return false;
    }
}

QMenu* CElementBar1::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("element", this);
    MenuResource::RemoveCommand(menu, ID_ELEMENT_PRINT); // the page's command
    MenuResource::EnableCommand(menu, ID_ELEMENT_PASTE, m_worker.HasClipboard());
    return menu;
}

void CElementBar1::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
