#include "tables/element/SelfWeightDlg.h"

#include "platform/MessageBox.h"
#include "tables/GridEditing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <cmath>

CSelfWeightDlg::CSelfWeightDlg(double shownWeight, const QString& unit, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Generate self weight");
    m_weight = new QLineEdit(QString::fromStdString(GridEditing::Format("%g", std::fabs(shownWeight))), this);
    m_direction = new QComboBox(this);
    for (const char* name : {"1 local axis 1", "2 local axis 2", "3 local axis 3", "4 global X", "5 global Y",
                             "6 global Z"})
        m_direction->addItem(name);
    m_direction->setCurrentIndex(4);
    m_negative = new QCheckBox("Negative sense (downward in a Y-up model)", this);
    m_negative->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow("Weight per volume (" + unit + ")", m_weight);
    form->addRow("Direction", m_direction);
    form->addRow(m_negative);
    form->addRow(buttons);
}

CSelfWeightDlg::~CSelfWeightDlg() = default;

int CSelfWeightDlg::DoModal()
{
    return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
}

double CSelfWeightDlg::Weight() const
{
    const double w = std::fabs(GridEditing::ParseNumber(m_weight->text().toStdString()));
    return m_negative->isChecked() ? -w : w;
}

int CSelfWeightDlg::Direction() const { return m_direction->currentIndex() + 1; }
