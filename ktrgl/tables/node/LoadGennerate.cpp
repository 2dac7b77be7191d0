#include "tables/node/LoadGennerate.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "view/Geometry.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* IdLabel(const QString& text, int controlId, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(controlId));
    return label;
}

QString Number(double value) { return QString::fromStdString(GridEditing::Format("%g", value)); }

double ReadNumber(const QLineEdit* edit) { return GridEditing::ParseNumber(edit->text().trimmed().toStdString()); }

int ReadInteger(const QLineEdit* edit)
{
    return static_cast<int>(GridEditing::ParseInteger(edit->text().trimmed().toStdString()));
}

} // namespace

QLineEdit* CLoadGennerate::AddEdit(int controlId, bool decimal)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(controlId));
    if (decimal) {
        auto* validator = new QDoubleValidator(edit);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::ScientificNotation);
        edit->setValidator(validator);
    } else {
        edit->setValidator(new QIntValidator(edit));
    }
    return edit;
}

CLoadGennerate::CLoadGennerate(QWidget* parent) : QDialog(parent)
{
    setObjectName("12045");
    setWindowTitle("Load Gennerate");
    CProject project;
    const QString force = QString::fromStdString(project.GetForceUnit());
    const QString moment = QString::fromStdString(project.GetMomentUnit());
    const bool frame = project.GetElementType() == "Frame3D";

    static const char* const kNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    auto* nodal = new QGroupBox("Nodal Force", this);
    auto* nodalGrid = new QGridLayout(nodal);
    for (int j = 0; j < 6; ++j) {
        m_values[j] = AddEdit(12010 + j, true);
        const int row = j % 3;
        const int col = j < 3 ? 0 : 3;
        nodalGrid->addWidget(new QLabel(kNames[j], nodal), row, col);
        nodalGrid->addWidget(m_values[j], row, col + 1);
        nodalGrid->addWidget(IdLabel(j < 3 ? force : moment, 12062 + j, nodal), row, col + 2);
        if (j >= 3)
            m_values[j]->setEnabled(frame);
    }

    m_startEdit = AddEdit(12068, false);
    m_ratioEdit = AddEdit(12069, true);
    m_countEdit = AddEdit(12032, false);
    m_stepEdit = AddEdit(12024, false);
    m_commandEdit = new QLineEdit(this);
    m_commandEdit->setObjectName("12035");
    m_commandEdit->setEnabled(false);

    auto* equal = new QGroupBox("Equal Generate", this);
    auto* equalGrid = new QGridLayout(equal);
    equalGrid->addWidget(new QLabel("Start node", equal), 0, 0);
    equalGrid->addWidget(m_startEdit, 0, 1);
    equalGrid->addWidget(new QLabel("Load ratio", equal), 1, 0);
    equalGrid->addWidget(m_ratioEdit, 1, 1);
    equalGrid->addWidget(new QLabel("Gen No.", equal), 2, 0);
    equalGrid->addWidget(m_countEdit, 2, 1);
    equalGrid->addWidget(new QLabel("Gen Ratio", equal), 3, 0);
    equalGrid->addWidget(m_stepEdit, 3, 1);

    auto* command = new QHBoxLayout;
    command->addWidget(new QLabel("Command Line", this));
    command->addWidget(m_commandEdit);

    m_gen = new QPushButton("GEN", this);
    m_gen->setObjectName("12070");
    m_gen->setDefault(true);
    m_cancel = new QPushButton("CANCEL", this);
    m_cancel->setObjectName("12033");
    connect(m_gen, &QPushButton::clicked, this, &CLoadGennerate::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CLoadGennerate::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_gen);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nodal);
    layout->addWidget(equal);
    layout->addLayout(command);
    layout->addLayout(buttons);
    UpdateData(false);
}

CLoadGennerate::~CLoadGennerate() = default;

QWidget* CLoadGennerate::Control(int controlId) const
{
    return findChild<QWidget*>(QString::number(controlId));
}

void CLoadGennerate::UpdateData(bool save)
{
    double* values[6] = {&m_fx, &m_fy, &m_fz, &m_mx, &m_my, &m_mz};
    // Forces and moments are typed in the project's units (the labels name
    // them) and kept in stored units (kgf, kgf-m), as the load table.
    const CProject project;
    const double force = CGeometry::ForceFactorOf(project.GetForceUnit());
    const double moment = force * CGeometry::LengthFactorOf(project.GetLengthUnit());
    const double factors[6] = {force, force, force, moment, moment, moment};
    if (save) {
        for (int j = 0; j < 6; ++j)
            *values[j] = ReadNumber(m_values[j]) / factors[j];
        m_start = ReadInteger(m_startEdit);
        m_ratio = ReadNumber(m_ratioEdit);
        m_count = ReadInteger(m_countEdit);
        m_step = ReadInteger(m_stepEdit);
        return;
    }
    for (int j = 0; j < 6; ++j)
        m_values[j]->setText(Number(*values[j] * factors[j]));
    m_startEdit->setText(QString::number(m_start));
    m_ratioEdit->setText(Number(m_ratio));
    m_countEdit->setText(QString::number(m_count));
    m_stepEdit->setText(QString::number(m_step));
}

void CLoadGennerate::Seed(const LoadCaseWorker::LoadGeneration& generation)
{
    m_fx = generation.values[0];
    m_fy = generation.values[1];
    m_fz = generation.values[2];
    m_mx = generation.values[3];
    m_my = generation.values[4];
    m_mz = generation.values[5];
    m_start = generation.start;
    m_ratio = generation.ratio;
    m_count = generation.count;
    m_step = generation.step;
    UpdateData(false);
}

LoadCaseWorker::LoadGeneration CLoadGennerate::Parameters() const
{
    LoadCaseWorker::LoadGeneration generation;
    const double values[6] = {m_fx, m_fy, m_fz, m_mx, m_my, m_mz};
    for (int j = 0; j < 6; ++j)
        generation.values[j] = values[j];
    // The moment fields of a truss are disabled: whatever they hold is no load.
    if (!m_values[3]->isEnabled())
        for (int j = 3; j < 6; ++j)
            generation.values[j] = 0.0;
    generation.start = m_start;
    generation.ratio = m_ratio;
    generation.count = m_count;
    generation.step = m_step;
    return generation;
}

void CLoadGennerate::accept()
{
    UpdateData(true);
    QDialog::accept();
}

int CLoadGennerate::DoModal()
{
    return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
}
