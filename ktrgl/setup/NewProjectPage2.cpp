#include "setup/NewProjectPage2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

#include "tables/PropertySheet.h"

namespace {

struct Unit {
    int id;
    const char* button;
    const char* label;
};

const Unit kLengthUnits[] = {
    {CNewProjectPage2::IdKilometer, "Kilometer", "Km"},
    {CNewProjectPage2::IdMeter, "Meter", "m"},
    {CNewProjectPage2::IdCentimeter, "Centimeter", "cm"},
    {CNewProjectPage2::IdMillimeter, "Millimeter", "mm"},
    {CNewProjectPage2::IdFoot, "Foot", "ft"},
    {CNewProjectPage2::IdInch, "Inch", "in"},
};

const Unit kForceUnits[] = {
    {CNewProjectPage2::IdMeganewton, "MegaNewton", "MN"},
    {CNewProjectPage2::IdKilonewton, "KiloNewton", "kN"},
    {CNewProjectPage2::IdNewton, "Newton", "N"},
    {CNewProjectPage2::IdMetricTon, "Metric Ton", "T"},
    {CNewProjectPage2::IdKilogram, "Kilogram", "Kg"},
    {CNewProjectPage2::IdKilopound, "KiloPound", "kip"},
    {CNewProjectPage2::IdPound, "Pound", "P"},
};

bool IsLength(int id) { return id >= CNewProjectPage2::IdKilometer && id <= CNewProjectPage2::IdInch; }

} // namespace

CNewProjectPage2::CNewProjectPage2(QWidget* parent)
    : PropertyPage(QStringLiteral("New Project Setup - Step 2 : Specify Units"), parent)
{
    auto* lengthBox = new QGroupBox(QStringLiteral("Length"), this);
    auto* forceBox = new QGroupBox(QStringLiteral("Force"), this);
    auto* lengths = new QVBoxLayout(lengthBox);
    auto* forces = new QVBoxLayout(forceBox);
    auto add = [this](const Unit& unit, QGroupBox* box, QVBoxLayout* column) {
        auto* radio = new QRadioButton(QString::fromLatin1(unit.button), box);
        radio->setObjectName(QString::number(unit.id));
        radio->setAutoExclusive(false);
        column->addWidget(radio);
        const int id = unit.id;
        connect(radio, &QRadioButton::clicked, this, [this, id] { Choose(id); });
    };
    for (const Unit& unit : kLengthUnits)
        add(unit, lengthBox, lengths);
    for (const Unit& unit : kForceUnits)
        add(unit, forceBox, forces);
    lengths->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lengthBox);
    layout->addWidget(forceBox);
}

CNewProjectPage2::~CNewProjectPage2() = default;

const char* CNewProjectPage2::UnitLabel(int id)
{
    for (const Unit& unit : kLengthUnits)
        if (unit.id == id)
            return unit.label;
    for (const Unit& unit : kForceUnits)
        if (unit.id == id)
            return unit.label;
    return "";
}

QWidget* CNewProjectPage2::GetDlgItem(int id) const
{
    return findChild<QWidget*>(QString::number(id));
}

QRadioButton* CNewProjectPage2::Radio(int id) const
{
    return findChild<QRadioButton*>(QString::number(id));
}

void CNewProjectPage2::Choose(int id)
{
    const bool length = IsLength(id);
    auto group = [&](const Unit* first, const Unit* last) {
        for (const Unit* unit = first; unit != last; ++unit)
            if (QRadioButton* radio = Radio(unit->id))
                radio->setChecked(unit->id == id);
    };
    if (length) {
        group(std::begin(kLengthUnits), std::end(kLengthUnits));
        m_project.GetLengthUnit() = UnitLabel(id);
    } else {
        group(std::begin(kForceUnits), std::end(kForceUnits));
        m_project.GetForceUnit() = UnitLabel(id);
    }
}

void CNewProjectPage2::OnRadioKilometer() { Choose(IdKilometer); }
void CNewProjectPage2::OnRadioMeter() { Choose(IdMeter); }
void CNewProjectPage2::OnRadioCentimeter() { Choose(IdCentimeter); }
void CNewProjectPage2::OnRadioMillimeter() { Choose(IdMillimeter); }
void CNewProjectPage2::OnRadioFoot() { Choose(IdFoot); }
void CNewProjectPage2::OnRadioInch() { Choose(IdInch); }
void CNewProjectPage2::OnRadioMaganewton() { Choose(IdMeganewton); }
void CNewProjectPage2::OnRadioKilonewton() { Choose(IdKilonewton); }
void CNewProjectPage2::OnRadionewton() { Choose(IdNewton); }
void CNewProjectPage2::OnRadioMetricton() { Choose(IdMetricTon); }
void CNewProjectPage2::OnRadioKilogram() { Choose(IdKilogram); }
void CNewProjectPage2::OnRadiokilopound() { Choose(IdKilopound); }
void CNewProjectPage2::OnRadioPound() { Choose(IdPound); }

bool CNewProjectPage2::OnInitDialog()
{
    m_project.Settings(false);
    OnRadioMeter();
    OnRadioKilogram();
    return true;
}

bool CNewProjectPage2::OnSetActive()
{
    if (PropertySheet* sheet = GetParentSheet())
        sheet->SetWizardButtons(PropertySheet::WizardBack | PropertySheet::WizardNext);
    return PropertyPage::OnSetActive();
}

bool CNewProjectPage2::OnKillActive()
{
    // The page owns the two unit labels; the rest is taken fresh from the
    // file, where step 1 may have written a new type since this page opened.
    CProject saved;
    saved.GetLengthUnit() = m_project.GetLengthUnit();
    saved.GetForceUnit() = m_project.GetForceUnit();
    saved.Settings(true);
    m_project = saved;
    return PropertyPage::OnKillActive();
}
