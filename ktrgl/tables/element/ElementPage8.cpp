#include "tables/element/ElementPage8.h"

#include "project/Project.h"
#include "tables/GridEditing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CElementPage8::CElementPage8(QWidget* parent) : MoveCopyPage("Rotation", parent)
{
    setObjectName("12041");
    auto* layout = new QVBoxLayout(this);

    AddModeBox(layout);

    static const char* const kAxes[3] = {"Parallel axis X", "Parallel axis Y", "Parallel axis Z"};
    AddRadioBox(layout, "Axis", kAxes, 3, m_axisButtons);

    const QString unit = QString::fromStdString(CProject().GetLengthUnit());
    auto* pointBox = new QGroupBox("Distance to Origin (Point K)", this);
    auto* pointLayout = new QGridLayout(pointBox);
    static const char* const kLabels[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        pointLayout->addWidget(new QLabel(kLabels[i], pointBox), i, 0);
        m_edits[i] = new QLineEdit(pointBox);
        pointLayout->addWidget(m_edits[i], i, 1);
        pointLayout->addWidget(new QLabel(unit, pointBox), i, 2);
    }
    layout->addWidget(pointBox);

    auto* angle = new QGridLayout;
    angle->addWidget(new QLabel("Angle", this), 0, 0);
    m_edits[3] = new QLineEdit(this);
    angle->addWidget(m_edits[3], 0, 1);
    layout->addLayout(angle);
    layout->addStretch(1);
    UpdateData(false);
}

CElementPage8::~CElementPage8() = default;

void CElementPage8::UpdateData(bool save)
{
    double* values[4] = {&m_x, &m_y, &m_z, &m_angle};
    if (save) {
        UpdateMode(true);
        for (int i = 0; i < 3; ++i)
            if (m_axisButtons[i]->isChecked())
                m_axis = i + 1;
        for (int i = 0; i < 4; ++i)
            *values[i] = GridEditing::ParseNumber(m_edits[i]->text().trimmed().toStdString());
    } else {
        UpdateMode(false);
        if (m_axis >= 1 && m_axis <= 3)
            m_axisButtons[m_axis - 1]->setChecked(true);
        for (int i = 0; i < 4; ++i)
            m_edits[i]->setText(QString::fromStdString(GridEditing::Format("%g", *values[i])));
    }
}
