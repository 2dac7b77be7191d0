#include "tables/node/LinearJointGenerate.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "view/Geometry.h"

#include <QCheckBox>
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
    if (controlId != 0)
        label->setObjectName(QString::number(controlId));
    return label;
}

QString Number(double value) { return QString::fromStdString(GridEditing::Format("%g", value)); }

} // namespace

QLineEdit* CLinearJointGenerate::AddEdit(int controlId, const char* toolTip)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(controlId));
    if (toolTip)
        edit->setToolTip(toolTip);
    return edit;
}

CLinearJointGenerate::CLinearJointGenerate(QWidget* parent) : QDialog(parent)
{
    setObjectName("12013");
    setWindowTitle("Linear Generate");
    const QString unit = QString::fromStdString(CProject().GetLengthUnit());

    m_startEdit = AddEdit(12031, "Number node start");
    m_startEdit->setEnabled(false);
    m_dxEdit = AddEdit(12028, "Increment along X");
    m_dyEdit = AddEdit(12026, "Increment along Y");
    m_dzEdit = AddEdit(12027, "Increment along Z");
    m_countEdit = AddEdit(12032, "Number node generate");
    m_ratioEdit = AddEdit(12024, "Generate ratio");
    m_commandEdit = AddEdit(12035, nullptr);
    m_commandEdit->setEnabled(false);

    for (QLineEdit* edit : {m_dxEdit, m_dyEdit, m_dzEdit, m_ratioEdit}) {
        auto* validator = new QDoubleValidator(edit);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::ScientificNotation);
        edit->setValidator(validator);
    }
    m_countEdit->setValidator(new QIntValidator(0, NodeTableWorker::kMaxGenerated, m_countEdit));

    auto* equal = new QGroupBox("Equal Generate", this);
    auto* equalGrid = new QGridLayout(equal);
    equalGrid->addWidget(new QLabel("Node Start", equal), 0, 0);
    equalGrid->addWidget(m_startEdit, 0, 1);
    equalGrid->addWidget(IdLabel("X(" + unit + ")", 12025, equal), 1, 0);
    equalGrid->addWidget(m_dxEdit, 1, 1);
    equalGrid->addWidget(IdLabel("Y(" + unit + ")", 12029, equal), 2, 0);
    equalGrid->addWidget(m_dyEdit, 2, 1);
    equalGrid->addWidget(IdLabel("Z(" + unit + ")", 12030, equal), 3, 0);
    equalGrid->addWidget(m_dzEdit, 3, 1);
    equalGrid->addWidget(new QLabel("Gen No.", equal), 4, 0);
    equalGrid->addWidget(m_countEdit, 4, 1);
    equalGrid->addWidget(new QLabel("Ratio", equal), 5, 0);
    equalGrid->addWidget(m_ratioEdit, 5, 1);

    auto* restraint = new QGroupBox("Restraint", this);
    auto* boxes = new QHBoxLayout(restraint);
    static const char* const kNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    for (int j = 0; j < 6; ++j) {
        m_boxes[j] = new QCheckBox(kNames[j], restraint);
        m_boxes[j]->setObjectName(QString::number(12014 + j));
        boxes->addWidget(m_boxes[j]);
    }

    auto* command = new QHBoxLayout;
    command->addWidget(new QLabel("Command", this));
    command->addWidget(m_commandEdit);

    m_gen = new QPushButton("GEN", this);
    m_gen->setObjectName("12034");
    m_gen->setDefault(true);
    m_cancel = new QPushButton("CANCEL", this);
    m_cancel->setObjectName("12033");
    connect(m_gen, &QPushButton::clicked, this, &CLinearJointGenerate::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CLinearJointGenerate::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_gen);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(equal);
    layout->addWidget(restraint);
    layout->addLayout(command);
    layout->addLayout(buttons);
    UpdateData(false);
}

CLinearJointGenerate::~CLinearJointGenerate() = default;

QWidget* CLinearJointGenerate::Control(int controlId) const
{
    return findChild<QWidget*>(QString::number(controlId));
}

void CLinearJointGenerate::UpdateData(bool save)
{
    // The steps are typed in the project's length unit (their labels name
    // it) and kept in stored units (metres).
    const double factor = CGeometry::LengthFactorOf(CProject().GetLengthUnit());
    if (save) {
        m_start = static_cast<int>(GridEditing::ParseInteger(m_startEdit->text().toStdString()));
        m_dx = GridEditing::ParseNumber(m_dxEdit->text().trimmed().toStdString()) / factor;
        m_dy = GridEditing::ParseNumber(m_dyEdit->text().trimmed().toStdString()) / factor;
        m_dz = GridEditing::ParseNumber(m_dzEdit->text().trimmed().toStdString()) / factor;
        m_count = static_cast<int>(GridEditing::ParseInteger(m_countEdit->text().trimmed().toStdString()));
        m_ratio = GridEditing::ParseNumber(m_ratioEdit->text().trimmed().toStdString());
        for (int j = 0; j < 6; ++j)
            m_restrained[j] = m_boxes[j]->isChecked();
        return;
    }
    m_startEdit->setText(QString::number(m_start));
    m_dxEdit->setText(Number(m_dx * factor));
    m_dyEdit->setText(Number(m_dy * factor));
    m_dzEdit->setText(Number(m_dz * factor));
    m_countEdit->setText(QString::number(m_count));
    m_ratioEdit->setText(Number(m_ratio));
    for (int j = 0; j < 6; ++j)
        m_boxes[j]->setChecked(m_restrained[j]);
}

void CLinearJointGenerate::Seed(const NodeTableWorker::LinearGeneration& generation)
{
    m_start = generation.start;
    m_dx = generation.dx;
    m_dy = generation.dy;
    m_dz = generation.dz;
    m_count = generation.count;
    m_ratio = generation.ratio;
    for (int j = 0; j < 6; ++j)
        m_restrained[j] = generation.restrained[j];
    UpdateData(false);
}

NodeTableWorker::LinearGeneration CLinearJointGenerate::Parameters() const
{
    NodeTableWorker::LinearGeneration generation;
    generation.start = m_start;
    generation.dx = m_dx;
    generation.dy = m_dy;
    generation.dz = m_dz;
    generation.count = m_count;
    generation.ratio = m_ratio;
    for (int j = 0; j < 6; ++j)
        generation.restrained[j] = m_restrained[j];
    return generation;
}

void CLinearJointGenerate::accept()
{
    UpdateData(true);
    QDialog::accept();
}

int CLinearJointGenerate::DoModal()
{
    return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
}
