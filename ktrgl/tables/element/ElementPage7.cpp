#include "tables/element/ElementPage7.h"

#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

namespace {

// Control ids of the boxes DOF 1 .. DOF 12.
const int kBoxIds[12] = {12014, 12015, 12016, 12017, 12018, 12019, 12044, 12043, 12022, 12023, 12024, 12025};

} // namespace

CElementPage7::CElementPage7(QWidget* parent) : PropertyPage("Member end release", parent)
{
    setObjectName("12040");
    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QHBoxLayout;
    static const char* const kGroups[2] = {"Start node", "End node"};
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(kGroups[g], this);
        auto* column = new QVBoxLayout(group);
        for (int i = 0; i < 6; ++i) {
            const int dof = g * 6 + i + 1;
            m_boxes[dof - 1] = new QCheckBox(QString("DOF %1").arg(dof), group);
            m_boxes[dof - 1]->setObjectName(QString::number(kBoxIds[dof - 1]));
            column->addWidget(m_boxes[dof - 1]);
        }
        boxes->addWidget(group);
    }
    auto* buttons = new QVBoxLayout;
    m_add = new QPushButton("Add", this);
    m_add->setObjectName("12020");
    m_delete = new QPushButton("Delete", this);
    m_delete->setObjectName("12026");
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);

    auto* fast = new QGroupBox("Fast DOF", this);
    auto* fastLayout = new QVBoxLayout(fast);
    m_frame = new QRadioButton("Frame 3D", fast);
    m_frame->setObjectName("12073");
    m_truss = new QRadioButton("Truss 3D", fast);
    m_truss->setObjectName("12075");
    fastLayout->addWidget(m_frame);
    fastLayout->addWidget(m_truss);
    buttons->addWidget(fast);

    auto* plans = new QGroupBox("Release DOF", this);
    auto* planLayout = new QVBoxLayout(plans);
    auto* plan12 = new QPushButton("1-2 Plan", plans);
    plan12->setObjectName("12076");
    auto* plan23 = new QPushButton("2-3 Plan", plans);
    plan23->setObjectName("12071");
    auto* plan13 = new QPushButton("1-3 Plan", plans);
    plan13->setObjectName("12072");
    planLayout->addWidget(plan12);
    planLayout->addWidget(plan23);
    planLayout->addWidget(plan13);
    buttons->addWidget(plans);
    buttons->addStretch(1);
    boxes->addLayout(buttons);
    layout->addLayout(boxes);

    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    layout->addWidget(m_grid, 1);

    connect(m_add, &QPushButton::clicked, this, &CElementPage7::OnAdd);
    connect(m_delete, &QPushButton::clicked, this, &CElementPage7::OnDelete);
    connect(m_frame, &QRadioButton::clicked, this, &CElementPage7::OnFrame3D);
    connect(m_truss, &QRadioButton::clicked, this, &CElementPage7::OnTruss3D);
    connect(plan12, &QPushButton::clicked, this, &CElementPage7::OnXYPlan);
    connect(plan23, &QPushButton::clicked, this, &CElementPage7::OnYZPlan);
    connect(plan13, &QPushButton::clicked, this, &CElementPage7::OnXZPlan);
    connect(m_boxes[0], &QCheckBox::clicked, this, &CElementPage7::OnCheck1);
    connect(m_boxes[6], &QCheckBox::clicked, this, &CElementPage7::OnCheck7);
    connect(m_boxes[3], &QCheckBox::clicked, this, &CElementPage7::OnCheck4);
    connect(m_boxes[9], &QCheckBox::clicked, this, &CElementPage7::OnCheck10);
    connect(m_grid, &CMSFlexGrid::MouseDown, this,
            [this](short button, short, long, long) { OnMouseDownTable(button); });
    connect(m_grid, &CMSFlexGrid::Scroll, this, &CElementPage7::UpdateTable);
}

CElementPage7::~CElementPage7() = default;

// ---- sets ------------------------------------------------------------------------

CdMatrix CElementPage7::DefaultSets()
{
    CdMatrix sets(2, 12);
    for (int c = 1; c <= 12; ++c) {
        sets(1, c) = 1.0;
        const int local = (c - 1) % 6 + 1;
        sets(2, c) = local <= 3 ? 1.0 : 0.0;
    }
    return sets;
}

void CElementPage7::PresetReleases(Preset preset, bool released[13])
{
    for (int k = 0; k <= 12; ++k)
        released[k] = false;
    std::vector<int> dofs;
    switch (preset) {
    case PresetFrame3D: break;
    case PresetTruss3D: dofs = {2, 3, 4, 5, 6, 8, 9, 11, 12}; break;
    case PresetPlan12: dofs = {3, 4, 5, 9, 11}; break;
    case PresetPlan23: dofs = {1, 5, 6, 11, 12}; break;
    case PresetPlan13: dofs = {2, 4, 6, 8, 12}; break;
    }
    for (int dof : dofs)
        released[dof] = true;
}

void CElementPage7::ApplyPreset(Preset preset)
{
    bool released[13];
    PresetReleases(preset, released);
    for (int k = 1; k <= 12; ++k)
        m_boxes[k - 1]->setChecked(released[k]);
}

void CElementPage7::SetBoxesEnabled(bool enabled)
{
    for (QCheckBox* box : m_boxes)
        box->setEnabled(enabled);
}

// ---- page ------------------------------------------------------------------------

bool CElementPage7::OnInitDialog()
{
    m_project.Settings(false);
    const std::string& type = m_project.GetElementType();
    m_trussLayout = type == "Truss3D";
    if (type == "Frame3D") {
        OnFrame3D();
    } else if (m_trussLayout) {
        OnTruss3D();
        for (int dof : {4, 5, 6, 10, 11, 12})
            m_boxes[dof - 1]->setEnabled(false);
    }
    if (m_project.GetReleaseCount() < 1) {
        m_table = DefaultSets();
    } else {
        CdMatrix loaded;
        if (loaded.Load(m_project.GetName(), "res"))
            m_table = loaded;
        else
            m_table.SetSize(0, 12);
    }
    UpdateTable();
    return true;
}

void CElementPage7::OnOK()
{
    m_project.GetReleaseCount() = m_table.GetRows();
    // The other pages of the sheet may have written the project since this
    // page was opened (a property group added): only the release count is
    // this page's to change, over the settings as they stand now.
    CProject project;
    project.GetReleaseCount() = m_table.GetRows();
    m_table.Save(project.GetName(), "res");
    project.Settings(true);
    PropertyPage::OnOK();
}

void CElementPage7::UpdateTable()
{
    const int count = m_table.GetRows();
    const long cols = m_trussLayout ? 7 : 13;
    m_grid->SetRows(count + 1);
    m_grid->SetCols(cols);
    m_grid->SetTextMatrix(0, 0, " Type ");
    for (long c = 1; c < cols; ++c)
        m_grid->SetTextMatrix(0, c, GridEditing::Format("DOF %ld", c));
    const GridEditing::Window window = GridEditing::FillWindow(m_grid->GetScrollPos(), count, 27, m_grid->VisibleRowCount());
    for (long row = window.first; row <= window.last; ++row) {
        const int r = static_cast<int>(row);
        m_grid->SetTextMatrix(row, 0, GridEditing::Format("%d", r));
        for (long c = 1; c < cols; ++c) {
            const int stored = m_trussLayout ? TrussColumn(static_cast<int>(c)) : static_cast<int>(c);
            m_grid->SetTextMatrix(row, c, GridEditing::Format("%d", static_cast<int>(m_table(r, stored))));
        }
    }
}

void CElementPage7::OnMouseDownTable(short button)
{
    if (button == 2)
        return;
    const int row = static_cast<int>(m_grid->GetRowSel());
    if (row < 1 || row > m_table.GetRows())
        return;
    for (int k = 1; k <= 12; ++k)
        m_boxes[k - 1]->setChecked(static_cast<int>(m_table(row, k)) == 0);
}

void CElementPage7::OnAdd()
{
    std::vector<double> set(13, 0.0);
    for (int k = 1; k <= 12; ++k)
        set[k] = m_boxes[k - 1]->isChecked() ? 0.0 : 1.0;
    if (m_table.GetCols() == 0 && m_table.GetRows() == 0)
        m_table.SetSize(0, 12);
    m_table.AppendRow(set.data());
    UpdateTable();
}

void CElementPage7::OnDelete()
{
    const int row = static_cast<int>(m_grid->GetRow());
    if (row < 1 || row > m_table.GetRows())
        return;
    m_table.DeleteRow(row);
    m_project.GetReleaseCount() = m_table.GetRows();
    UpdateTable();
}

void CElementPage7::OnFrame3D()
{
    m_frame->setChecked(true);
    m_truss->setChecked(false);
    ApplyPreset(PresetFrame3D);
    SetBoxesEnabled(true);
}

void CElementPage7::OnTruss3D()
{
    m_truss->setChecked(true);
    m_frame->setChecked(false);
    ApplyPreset(PresetTruss3D);
    SetBoxesEnabled(false);
}

void CElementPage7::OnXYPlan()
{
    ApplyPreset(PresetPlan12);
    SetBoxesEnabled(true);
}

void CElementPage7::OnYZPlan()
{
    ApplyPreset(PresetPlan23);
    SetBoxesEnabled(true);
}

void CElementPage7::OnXZPlan()
{
    ApplyPreset(PresetPlan13);
    SetBoxesEnabled(true);
}

void CElementPage7::OnCheck1()
{
    if (m_boxes[0]->isChecked() && m_boxes[6]->isChecked())
        m_boxes[6]->setChecked(false);
}

void CElementPage7::OnCheck7()
{
    if (m_boxes[6]->isChecked() && m_boxes[0]->isChecked())
        m_boxes[0]->setChecked(false);
}

void CElementPage7::OnCheck4()
{
    if (m_boxes[3]->isChecked() && m_boxes[9]->isChecked())
        m_boxes[9]->setChecked(false);
}

void CElementPage7::OnCheck10()
{
    if (m_boxes[9]->isChecked() && m_boxes[3]->isChecked())
        m_boxes[3]->setChecked(false);
}
