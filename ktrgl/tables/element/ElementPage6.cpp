#include "tables/element/ElementPage6.h"

#include "project/Project.h"
#include "tables/GridEditing.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CElementPage6::CElementPage6(QWidget* parent) : PropertyPage("Mirror", parent)
{
    setObjectName("12027");
    auto* layout = new QVBoxLayout(this);

    auto* modeBox = new QGroupBox("Mode", this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    auto* modes = new QButtonGroup(this);
    static const char* const kModes[2] = {"Move", "Copy"};
    for (int i = 0; i < 2; ++i) {
        m_modeButtons[i] = new QRadioButton(kModes[i], modeBox);
        modes->addButton(m_modeButtons[i], i);
        modeLayout->addWidget(m_modeButtons[i]);
    }
    layout->addWidget(modeBox);

    auto* planeBox = new QGroupBox("Plane", this);
    auto* planeLayout = new QVBoxLayout(planeBox);
    auto* planes = new QButtonGroup(this);
    static const char* const kPlanes[3] = {"X-Z (Distance along Y-axis)", "X-Y (Distance along Z-axis)",
                                           "Y-Z (distance along X-axis)"};
    for (int i = 0; i < 3; ++i) {
        m_planeButtons[i] = new QRadioButton(kPlanes[i], planeBox);
        planes->addButton(m_planeButtons[i], i);
        planeLayout->addWidget(m_planeButtons[i]);
    }
    layout->addWidget(planeBox);

    auto* distance = new QGridLayout;
    distance->addWidget(new QLabel("Distance to Origin", this), 0, 0);
    m_distanceEdit = new QLineEdit(this);
    distance->addWidget(m_distanceEdit, 0, 1);
    distance->addWidget(new QLabel(QString::fromStdString(CProject().GetLengthUnit()), this), 0, 2);
    layout->addLayout(distance);
    layout->addStretch(1);
    UpdateData(false);
}

CElementPage6::~CElementPage6() = default;

void CElementPage6::UpdateData(bool save)
{
    if (save) {
        m_mode = m_modeButtons[0]->isChecked() ? 1 : 2;
        for (int i = 0; i < 3; ++i)
            if (m_planeButtons[i]->isChecked())
                m_plane = i;
        m_distance = GridEditing::ParseNumber(m_distanceEdit->text().trimmed().toStdString());
    } else {
        m_modeButtons[m_mode == 1 ? 0 : 1]->setChecked(true);
        if (m_plane >= 0 && m_plane < 3)
            m_planeButtons[m_plane]->setChecked(true);
        m_distanceEdit->setText(QString::fromStdString(GridEditing::Format("%g", m_distance)));
    }
}

bool CElementPage6::OnKillActive()
{
    UpdateData(true);
    return true;
}

void CElementPage6::OnOK()
{
    UpdateData(true);
    PropertyPage::OnOK();
}
