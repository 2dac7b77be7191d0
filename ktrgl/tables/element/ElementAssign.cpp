#include "tables/element/ElementAssign.h"

#include "platform/MessageBox.h"
#include "tables/GridEditing.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CElementAssign::CElementAssign(const std::string& mode, int groups, QWidget* parent) : QDialog(parent)
{
    setObjectName("106");
    setWindowTitle("Assign");
    m_label = new QLabel(QString::fromStdString(mode), this);
    m_list = new QComboBox(this);
    for (int g = 1; g <= groups; ++g)
        m_list->addItem(QString::fromStdString(GridEditing::Format("Group %d", g)));
    auto* assign = new QPushButton("Assign", this);
    assign->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    connect(assign, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(assign);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

CElementAssign::~CElementAssign() = default;

int CElementAssign::DoModal() { return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL; }

int CElementAssign::Group() const { return m_list->currentIndex() + 1; }

void CElementAssign::SetGroup(int group) { m_list->setCurrentIndex(group - 1); }
