#include "tables/element/ElementPage6.h"

#include "project/Project.h"
#include "tables/GridEditing.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CElementPage6::CElementPage6(QWidget* parent) : MoveCopyPage("Mirror", parent)
{
    setObjectName("12027");
    auto* layout = new QVBoxLayout(this);

    AddModeBox(layout);

    static const char* const kPlanes[3] = {"X-Z (Distance along Y-axis)", "X-Y (Distance along Z-axis)",
                                           "Y-Z (distance along X-axis)"};
    AddRadioBox(layout, "Plane", kPlanes, 3, m_planeButtons);

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
        UpdateMode(true);
        for (int i = 0; i < 3; ++i)
            if (m_planeButtons[i]->isChecked())
                m_plane = i;
        m_distance = GridEditing::ParseNumber(m_distanceEdit->text().trimmed().toStdString());
    } else {
        UpdateMode(false);
        if (m_plane >= 0 && m_plane < 3)
            m_planeButtons[m_plane]->setChecked(true);
        m_distanceEdit->setText(QString::fromStdString(GridEditing::Format("%g", m_distance)));
    }
}
