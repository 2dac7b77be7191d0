#include "auxiliary/List1.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "platform/MessageBox.h"

CList1::CList1(QWidget* parent) : PropertyPage(QStringLiteral("Input"), parent)
{
    struct Entry {
        const char* text;
        bool enabled;
    };
    const Entry entries[] = {
        {"Coordinate", true}, {"Connectivities", true}, {"Reference Points", true}, {"Properties", true},
        {"Restraints", true}, {"Member Release", false}, {"End Zone", false}, {"Load Values", false},
    };
    auto* group = new QGroupBox(QStringLiteral("Table Page"), this);
    auto* boxes = new QVBoxLayout(group);
    for (const Entry& e : entries) {
        auto* box = new QCheckBox(QString::fromLatin1(e.text), group);
        box->setEnabled(e.enabled);
        boxes->addWidget(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

CList1::~CList1() = default;

QCheckBox* CList1::Box(const QString& text) const
{
    for (QCheckBox* box : findChildren<QCheckBox*>())
        if (box->text() == text)
            return box;
    return nullptr;
}

void CList1::OnOK()
{
    platform::MessageBox("pass1", "", platform::MB_OK);
    PropertyPage::OnOK();
}
