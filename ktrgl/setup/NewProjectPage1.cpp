#include "setup/NewProjectPage1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "tables/PropertySheet.h"

const char* const CNewProjectPage1::RefusedText =
    "Sorry this version perform Frame3D or Truss3D Analysis only!";
const char* const CNewProjectPage1::RefusedCaption = "KESTRA Information";
const char* const CNewProjectPage1::ToolTipKey = "Tool tip text ";

namespace {

QRadioButton* MakeRadio(const char* text, int id, QWidget* parent)
{
    auto* radio = new QRadioButton(QString::fromLatin1(text), parent);
    radio->setObjectName(QString::number(id));
    // Every type button is a group of its own: the page checks and unchecks
    // them itself.
    radio->setAutoExclusive(false);
    return radio;
}

} // namespace

CNewProjectPage1::CNewProjectPage1(QWidget* parent)
    : PropertyPage(QStringLiteral("New Project Setup - Step 1 : Specify Type and Title"), parent)
{
    auto* typeBox = new QGroupBox(QStringLiteral("Sturcture Type"), this);
    auto* linearBox = new QGroupBox(QStringLiteral("Linear Analysis"), typeBox);
    auto* nonLinearBox = new QGroupBox(QStringLiteral("Non-Linear Analysis"), typeBox);
    m_frame = MakeRadio("Frame", IdFrame, linearBox);
    m_truss = MakeRadio("Truss", IdTruss, linearBox);
    m_plane = MakeRadio("Plane", IdPlane, linearBox);
    m_plate = MakeRadio("Plate", IdPlate, nonLinearBox);
    m_shell = MakeRadio("Shell", IdShell, nonLinearBox);
    m_solid = MakeRadio("Solid", IdSolid, nonLinearBox);

    auto* linear = new QVBoxLayout(linearBox);
    linear->addWidget(m_frame);
    linear->addWidget(m_truss);
    linear->addWidget(m_plane);
    auto* nonLinear = new QVBoxLayout(nonLinearBox);
    nonLinear->addWidget(m_plate);
    nonLinear->addWidget(m_shell);
    nonLinear->addWidget(m_solid);
    auto* types = new QGridLayout(typeBox);
    types->addWidget(linearBox, 0, 0);
    types->addWidget(nonLinearBox, 0, 1);

    auto* titleBox = new QGroupBox(QStringLiteral("Project title"), this);
    m_titleEdit = new QLineEdit(titleBox);
    m_titleEdit->setObjectName(QString::number(IdTitle));
    auto* title = new QVBoxLayout(titleBox);
    title->addWidget(m_titleEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeBox);
    layout->addWidget(titleBox);
    layout->addStretch(1);

    connect(m_frame, &QRadioButton::clicked, this, [this] { OnRadioFrame(); });
    connect(m_truss, &QRadioButton::clicked, this, [this] { OnRadioTruss(); });
    connect(m_plane, &QRadioButton::clicked, this, [this] { OnRadioPlane(); });
    connect(m_plate, &QRadioButton::clicked, this, [this] { OnRadioPlate(); });
    connect(m_shell, &QRadioButton::clicked, this, [this] { OnRadioShell(); });
    connect(m_solid, &QRadioButton::clicked, this, [this] { OnRadioSolid(); });
}

CNewProjectPage1::~CNewProjectPage1() = default;

QWidget* CNewProjectPage1::GetDlgItem(int id) const
{
    return findChild<QWidget*>(QString::number(id));
}

QRadioButton* CNewProjectPage1::Radio(int id) const
{
    return findChild<QRadioButton*>(QString::number(id));
}

void CNewProjectPage1::UpdateData(bool save)
{
    const std::pair<QRadioButton*, int*> radios[] = {
        {m_frame, &m_radioFrame}, {m_plane, &m_radioPlane}, {m_truss, &m_radioTruss},
        {m_plate, &m_radioPlate}, {m_shell, &m_radioShell}, {m_solid, &m_radioSolid},
    };
    for (const auto& r : radios) {
        if (save)
            *r.second = r.first->isChecked() ? 0 : 1;
        else
            r.first->setChecked(*r.second == 0);
    }
    if (save)
        m_title = m_titleEdit->text();
    else
        m_titleEdit->setText(m_title);
}

bool CNewProjectPage1::OnInitDialog()
{
    m_radioFrame = 0;
    m_radioPlane = m_radioTruss = m_radioPlate = m_radioShell = m_radioSolid = 1;
    UpdateData(false);
    if (platform::Profile::GetInt(CProject::Section, ToolTipKey, 1) != 0)
        CreateToolTips();
    OnRadioFrame();
    return true;
}

void CNewProjectPage1::CreateToolTips()
{
    m_toolTips = true;
    // A colour reference is 0x00BBGGRR; the tips are drawn on it.
    m_toolTipColour = QColor(ToolTipColourRef & 0xFF, (ToolTipColourRef >> 8) & 0xFF,
                             (ToolTipColourRef >> 16) & 0xFF);
    setStyleSheet(QStringLiteral("QToolTip { background-color: %1; color: black; }")
                      .arg(m_toolTipColour.name()));
    const std::pair<int, const char*> tips[] = {
        {IdSolid, "Solid Element Structure"}, {IdShell, "Shell Element Structure"},
        {IdPlate, "Plate Element Structure"}, {IdTruss, "Truss Element Structure"},
        {IdPlane, "Plane Element Structure"}, {IdFrame, "Frame Element Structure"},
        {IdTitle, "Edit Project Title"},
    };
    for (const auto& tip : tips)
        if (QWidget* control = GetDlgItem(tip.first))
            control->setToolTip(QString::fromLatin1(tip.second));
}

void CNewProjectPage1::CheckOnly(int* selected)
{
    for (int* v : {&m_radioFrame, &m_radioPlane, &m_radioTruss, &m_radioPlate, &m_radioShell,
                   &m_radioSolid})
        *v = (v == selected) ? 0 : 1;
    UpdateData(false);
}

void CNewProjectPage1::OnRadioFrame()
{
    m_project.GetElementType() = "Frame3D";
    m_project.GetDof() = 6;
    m_project.GetNodesPerElement() = 2;
    UpdateData(true);
    CheckOnly(&m_radioFrame);
}

void CNewProjectPage1::OnRadioTruss()
{
    m_project.GetElementType() = "Truss3D";
    m_project.GetDof() = 3;
    m_project.GetNodesPerElement() = 2;
    UpdateData(true);
    CheckOnly(&m_radioTruss);
}

void CNewProjectPage1::OnRadioPlane()
{
    m_project.GetElementType() = "Plane";
    UpdateData(true);
    CheckOnly(&m_radioPlane);
    Update();
}

void CNewProjectPage1::OnRadioPlate()
{
    m_project.GetElementType() = "Plate";
    UpdateData(true);
    CheckOnly(&m_radioPlate);
    Update();
}

void CNewProjectPage1::OnRadioShell()
{
    m_project.GetElementType() = "Shell";
    UpdateData(true);
    CheckOnly(&m_radioShell);
    Update();
}

void CNewProjectPage1::OnRadioSolid()
{
    m_project.GetElementType() = "Solid";
    UpdateData(true);
    CheckOnly(&m_radioSolid);
    Update();
}

void CNewProjectPage1::Update()
{
    if (m_radioShell == 0 || m_radioSolid == 0 || m_radioPlate == 0 || m_radioPlane == 0) {
        platform::MessageBox(RefusedText, RefusedCaption, platform::MB_OK);
        m_radioFrame = m_radioPlane = m_radioTruss = m_radioPlate = m_radioShell = m_radioSolid = 1;
        UpdateData(false);
    }
}

bool CNewProjectPage1::OnSetActive()
{
    if (PropertySheet* sheet = GetParentSheet())
        sheet->SetWizardButtons(PropertySheet::WizardNext);
    UpdateData(true);
    m_title = QString::fromLatin1(CProject::Undefined);
    UpdateData(false);
    return PropertyPage::OnSetActive();
}

bool CNewProjectPage1::OnKillActive()
{
    UpdateData(true);
    if (m_title.isEmpty())
        m_title = QString::fromLatin1(CProject::Undefined);
    m_project.GetTitle() = m_title.toStdString();
    // The page owns the type, its degrees of freedom, the nodes per element
    // and the title; every other fact is taken fresh from the file so that a
    // later step's choices are not overwritten by this page's older copy.
    CProject saved;
    saved.GetElementType() = m_project.GetElementType();
    saved.GetDof() = m_project.GetDof();
    saved.GetNodesPerElement() = m_project.GetNodesPerElement();
    saved.GetTitle() = m_project.GetTitle();
    saved.Settings(true);
    m_project = saved;
    return PropertyPage::OnKillActive();
}
