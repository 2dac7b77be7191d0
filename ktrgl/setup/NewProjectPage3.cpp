#include "setup/NewProjectPage3.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "tables/PropertySheet.h"

CNewProjectPage3::CNewProjectPage3(QWidget* parent)
    : PropertyPage(QStringLiteral("New Project Setup - Finish : Summarily"), parent)
{
    auto* box = new QGroupBox(this);
    m_type = new QLabel(box);
    m_title = new QLabel(box);
    m_units = new QLabel(box);
    m_type->setObjectName(QString::number(IdType));
    m_title->setObjectName(QString::number(IdTitle));
    m_units->setObjectName(QString::number(IdUnits));
    auto* labels = new QVBoxLayout(box);
    labels->addWidget(m_type);
    labels->addWidget(m_title);
    labels->addWidget(m_units);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch(1);
}

CNewProjectPage3::~CNewProjectPage3() = default;

QLabel* CNewProjectPage3::Label(int id) const
{
    return findChild<QLabel*>(QString::number(id));
}

bool CNewProjectPage3::OnSetActive()
{
    m_project.Settings(false);
    if (PropertySheet* sheet = GetParentSheet())
        sheet->SetWizardButtons(PropertySheet::WizardBack | PropertySheet::WizardFinish);
    m_type->setText(QString::fromStdString("Structure Type : " + m_project.GetElementType()));
    m_title->setText(QString::fromStdString(m_project.GetTitle()));
    m_units->setText(QString::fromStdString("Default Length Unit : " + m_project.GetLengthUnit() +
                                            "\t" + "Default Force Unit : " +
                                            m_project.GetForceUnit()));
    return PropertyPage::OnSetActive();
}
