#include "tables/node/CopyNodeDlg.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "view/Geometry.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

CCopyNodeDlg::CCopyNodeDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("12002");
    setWindowTitle("Copy Node");
    const std::string unit = CProject().GetLengthUnit();

    auto* group = new QGroupBox("Move current clipboard", this);
    auto* grid = new QGridLayout(group);
    static const char* const kLabels[3] = {"X = ", "Y = ", "Z = "};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(kLabels[i], group), i, 0);
        m_fields[i] = new QLineEdit(group);
        m_fields[i]->setObjectName(QString::number(12003 + i));
        auto* validator = new QDoubleValidator(m_fields[i]);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::ScientificNotation);
        m_fields[i]->setValidator(validator);
        grid->addWidget(m_fields[i], i, 1);
        auto* unitLabel = new QLabel(QString::fromStdString(unit), group);
        unitLabel->setObjectName(QString::number(12006 + i));
        grid->addWidget(unitLabel, i, 2);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCopyNodeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCopyNodeDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    UpdateData(false);
}

CCopyNodeDlg::~CCopyNodeDlg() = default;

QLineEdit* CCopyNodeDlg::Field(int controlId) const
{
    if (controlId < 12003 || controlId > 12005)
        return nullptr;
    return m_fields[controlId - 12003];
}

void CCopyNodeDlg::UpdateData(bool save)
{
    // The fields are in the project's length unit, the offsets stored (m).
    const double factor = CGeometry::LengthFactorOf(CProject().GetLengthUnit());
    double* values[3] = {&m_dx, &m_dy, &m_dz};
    for (int i = 0; i < 3; ++i) {
        if (save)
            *values[i] = GridEditing::ParseNumber(m_fields[i]->text().trimmed().toStdString()) / factor;
        else
            m_fields[i]->setText(QString::fromStdString(GridEditing::Format("%g", *values[i] * factor)));
    }
}

void CCopyNodeDlg::accept()
{
    UpdateData(true);
    QDialog::accept();
}

int CCopyNodeDlg::DoModal() { return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL; }

bool CCopyNodeDlg::AskOffset(QWidget* parent, double& dx, double& dy, double& dz)
{
    CCopyNodeDlg dialog(parent);
    if (dialog.DoModal() != platform::IDOK)
        return false;
    dx = dialog.m_dx;
    dy = dialog.m_dy;
    dz = dialog.m_dz;
    return true;
}
